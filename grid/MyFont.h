#pragma once

#include "toolkit/Graphics.h"

namespace norvalt {

// A font owned by a formatting record or the grid; its change notification
// repaints the grid it belongs to.
class TMyFont : public TFont {};

} // namespace norvalt
