#pragma once

#include <filesystem>
#include <string>

#include "media/MediaFile.h"

namespace norvalt {

// The texts of the boxes that report a file that could not be read or written.
std::string ReadFailureText(const std::filesystem::path& path, const TFileFailure& failure);
std::string WriteFailureText(const std::filesystem::path& path, const TFileFailure& failure);
// A path as CP950 text for a message (characters CP950 cannot hold become "?").
std::string PathText(const std::filesystem::path& path);

} // namespace norvalt
