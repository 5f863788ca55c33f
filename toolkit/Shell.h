#pragma once

#include <string>

namespace norvalt {

// The desktop's service that opens a link with its registered program. The
// link is handed over as a URL, never through a command line.
class IShell {
public:
    virtual ~IShell() = default;
    // Returns false when the desktop could not open it.
    virtual bool OpenUrl(const std::string& url) = 0;
};

} // namespace norvalt
