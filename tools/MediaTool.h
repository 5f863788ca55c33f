#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace norvalt {

// The command-line companion: show, convert and check media files. Returns
// the exit status: 0 all read (or all passed), 1 lines skipped or refused
// (or records failed), 2 a usage error, an unreadable file, an unknown record
// type or a conversion that could not complete.
int RunMediaTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The --help text.
std::string MediaToolUsage();

} // namespace norvalt
