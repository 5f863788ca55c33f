#pragma once

#include <string>

namespace norvalt {

// The server the format documents of the media files are linked on.
inline constexpr const char* kDocumentHost = "media-formats.example.org";

// The secure link to a format document at a percent-encoded path.
inline std::string DocumentLink(const std::string& path) {
    return std::string("https://") + kDocumentHost + path;
}

// The paths of the four format documents.
inline constexpr const char* kTran01DocumentPath =
    "/storage/bond_download/%E5%AA%92%E9%AB%94%E6%A0%BC%E5%BC%8F/%E6%A0%BC%E5%BC%8F-tran01.doc";
inline constexpr const char* kTran06DocumentPath =
    "/storage/bond_download/%E5%AA%92%E9%AB%94%E6%A0%BC%E5%BC%8F/%E6%A0%BC%E5%BC%8F-tran06.doc";
inline constexpr const char* kTran06EDocumentPath =
    "/storage/bond_download/%E5%AA%92%E9%AB%94%E6%A0%BC%E5%BC%8F/%E6%A0%BC%E5%BC%8F-tran06E.doc";
inline constexpr const char* kTran11DocumentPath = "/storage/bond_download/tran11%E6%A0%BC%E5%BC%8F.doc";

} // namespace norvalt
