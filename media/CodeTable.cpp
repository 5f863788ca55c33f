#include "media/CodeTable.h"

#include "text/Literal.h"

#include <cstring>

namespace norvalt {

using namespace literals;

TCodeTable::TCodeTable(std::vector<std::pair<char, std::string>> entries, std::string readDefault,
                       char writeDefault)
    : entries_(std::move(entries)), readDefault_(std::move(readDefault)), writeDefault_(writeDefault) {
    entryOf_.fill(static_cast<std::uint8_t>(entries_.size()));
    for (const auto& entry : entries_) {
        keys_.emplace_back();
        allKeyed_ = KeyOf(entry.second, keys_.back()) && allKeyed_;
    }
    // The first entry of a code wins, as a search in table order would find.
    for (std::size_t i = entries_.size(); i-- > 0;) {
        entryOf_[static_cast<unsigned char>(entries_[i].first)] = static_cast<std::uint8_t>(i);
    }
}

const std::string& TCodeTable::Read(char code) const {
    const std::size_t i = entryOf_[static_cast<unsigned char>(code)];
    return i < entries_.size() ? entries_[i].second : readDefault_;
}

// A text of up to 16 bytes is known by its size and two words that together
// cover every byte: the first and the last eight (overlapping when shorter
// than 16), or four for a text of four to seven bytes, or the bytes one by
// one below that. Only the text's own bytes are read.
bool TCodeTable::KeyOf(std::string_view text, Key& key) {
    const std::size_t n = text.size();
    if (n > 16) {
        return false;
    }
    const char* p = text.data();
    key = Key{};
    key.size = n;
    if (n >= 8) {
        std::memcpy(&key.a, p, 8);
        std::memcpy(&key.b, p + n - 8, 8);
    } else if (n >= 4) {
        std::uint32_t a = 0, b = 0;
        std::memcpy(&a, p, 4);
        std::memcpy(&b, p + n - 4, 4);
        key.a = a;
        key.b = b;
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            key.a = key.a << 8 | static_cast<unsigned char>(p[i]);
        }
    }
    return true;
}

char TCodeTable::Write(std::string_view label) const {
    if (allKeyed_) {
        Key key;
        if (!KeyOf(label, key)) {
            return writeDefault_;
        }
        for (std::size_t i = 0; i < keys_.size(); ++i) {
            if (keys_[i] == key) {
                return entries_[i].first;
            }
        }
        return writeDefault_;
    }
    for (const auto& [c, l] : entries_) {
        if (l == label) {
            return c;
        }
    }
    return writeDefault_;
}

std::vector<std::string> TCodeTable::Labels() const {
    std::vector<std::string> labels;
    for (const auto& entry : entries_) {
        labels.push_back(entry.second);
    }
    return labels;
}

const TCodeTable& BusinessTable() {
    static const TCodeTable table({{'1', u8"自營"_b5}}, u8"經紀"_b5, '2');
    return table;
}

const TCodeTable& SideTable() {
    static const TCodeTable table({{'1', u8"買"_b5}}, u8"賣"_b5, '2');
    return table;
}

const TCodeTable& DealTypeTable() {
    static const TCodeTable table({{'1', u8"買賣斷"_b5},
                                   {'2', u8"附條件-承作"_b5},
                                   {'3', u8"附條件-到期"_b5},
                                   {'4', u8"遠期買賣斷"_b5},
                                   {'5', u8"RS融券-承作"_b5}},
                                  u8"RS融券-承作"_b5, '5');
    return table;
}

const TCodeTable& TermTable() {
    static const TCodeTable table({{'1', u8"隔夜"_b5},
                                   {'2', u8"2-10 天"_b5},
                                   {'3', u8"11-20 天"_b5},
                                   {'4', u8"21-30 天"_b5},
                                   {'5', u8"31-60 天"_b5},
                                   {'6', u8"61-90 天"_b5},
                                   {'7', u8"91-180 天"_b5},
                                   {'8', u8"180 以上"_b5}},
                                  "--", ' ');
    return table;
}

const TCodeTable& CounterpartyTable() {
    static const TCodeTable table({{'1', u8"債券自營商(銀行)"_b5},
                                   {'2', u8"債券自營商(票券)"_b5},
                                   {'3', u8"債券自營商(證券)"_b5},
                                   {'4', u8"保險公司"_b5},
                                   {'5', u8"外資(非陸資)"_b5},
                                   {'6', u8"投信基金"_b5},
                                   {'7', u8"非債券自營商的銀行"_b5},
                                   {'8', u8"其他法人"_b5},
                                   {'9', u8"個人"_b5},
                                   {'0', u8"其他"_b5},
                                   {'A', u8"陸資"_b5}},
                                  "--", ' ');
    return table;
}

const TCodeTable& SettlementTable() {
    static const TCodeTable table({{'1', u8"一個月內"_b5},
                                   {'2', u8"一至二個月"_b5},
                                   {'3', u8"二至三個月"_b5},
                                   {'4', u8"三個月以上"_b5}},
                                  "--", ' ');
    return table;
}

} // namespace norvalt
