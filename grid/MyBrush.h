#pragma once

#include "toolkit/Graphics.h"

namespace norvalt {

// A brush owned by a formatting record or the grid; its change notification
// repaints the grid it belongs to.
class TMyBrush : public TBrush {};

} // namespace norvalt
