#pragma once

// Files for tests: a Tran01 line built from its fields, and a temporary
// folder that removes itself.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace norvalt::test {

// The fields a test changes; the rest is the worked line of the layout.
struct TTran01LineParts {
    std::string dealer = "1234";
    std::string date = "1100923";
    std::string seq = "0A0001"; // a fill character, then the 5-character number
    std::string customer = "A123456789";
    std::string high = "0012345";
};

// A 121-byte Tran01 line: 買賣斷, own account, a buy; rates 1.2345, 1.1, 1.15.
inline std::string Tran01Line(const TTran01LineParts& p = {}) {
    std::string line = p.dealer + p.date + p.seq + "1" + p.customer + "11" + "A91104 " + " " + p.high;
    line += "0011000"
            "0011500"
            "00000123456789"
            "00000100000000"
            "000012"
            "1"
            " ";
    line += std::string(26, '0');
    return line;
}

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "norvalt-test-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(dir_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Dir() const { return dir_; }
    std::filesystem::path Path(const std::string& name) const { return dir_ / name; }
    std::filesystem::path Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    static std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path dir_;
};

} // namespace norvalt::test
