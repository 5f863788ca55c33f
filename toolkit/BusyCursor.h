#pragma once

namespace norvalt {

// Shows the wait cursor while it lives: a long import or export shows that
// the program is working.
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

} // namespace norvalt
