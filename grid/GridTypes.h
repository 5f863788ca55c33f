#pragma once

#include <cstdint>

namespace norvalt {

enum TAlignment : std::uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum TVertAlignment : std::uint8_t { vaTop = 0, vaCenter = 1, vaBottom = 2 };
enum T_Wordwrap : std::uint8_t { ww_none = 0, ww_wordwrap = 1, ww_ellipsis = 2, ww_default = 3 };

// The Editable field of a formatting record: unset, or an explicit answer.
enum TEditableSetting : std::uint8_t { ed_unset = 0, ed_false = 1, ed_true = 2 };

} // namespace norvalt
