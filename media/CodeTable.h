#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace norvalt {

// A coded one-character field: reading compares the code exactly, writing
// compares the cell's whole text exactly; each direction has its default.
class TCodeTable {
public:
    TCodeTable(std::vector<std::pair<char, std::string>> entries, std::string readDefault, char writeDefault);

    const std::string& Read(char code) const;
    char Write(std::string_view label) const;
    // The labels in table order.
    std::vector<std::string> Labels() const;

private:
    std::vector<std::pair<char, std::string>> entries_;
    // Each code's entry (one past the last for the default), so that reading
    // a field is one look-up.
    std::array<std::uint8_t, 256> entryOf_{};
    // Each label as a 16-byte key (zero-padded), so that writing compares two
    // words per entry; a label longer than that is compared as text.
    struct Key {
        std::uint64_t a = 0, b = 0;
        std::size_t size = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    static bool KeyOf(std::string_view text, Key& key);
    std::vector<Key> keys_;
    bool allKeyed_ = true;
    std::string readDefault_;
    char writeDefault_;
};

// The coded-value tables of the Tran01 layout (A to E are shared by Tran06).
const TCodeTable& BusinessTable();     // A, 業務別
const TCodeTable& SideTable();         // B, 買賣別
const TCodeTable& DealTypeTable();     // C, 成交類別
const TCodeTable& TermTable();         // D, 約定天數
const TCodeTable& CounterpartyTable(); // E, 交易對象
const TCodeTable& SettlementTable();   // F, 交割期限

} // namespace norvalt
