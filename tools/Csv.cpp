#include "tools/Csv.h"

namespace norvalt {

std::string CsvRecord(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        const std::string& f = fields[i];
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            out += f;
            continue;
        }
        out += '"';
        for (char c : f) {
            if (c == '"') {
                out += '"';
            }
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
    return out;
}

std::optional<std::vector<std::vector<std::string>>> ParseCsv(std::string_view text, TCsvError& error) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    std::size_t i = 0;
    bool fieldStarted = false;
    auto endField = [&] {
        row.push_back(std::move(field));
        field.clear();
        fieldStarted = false;
    };
    auto endRow = [&] {
        endField();
        rows.push_back(std::move(row));
        row.clear();
    };
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' && !fieldStarted) {
            // A quoted field runs to the next quote that is not doubled.
            ++i;
            bool closed = false;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                field += text[i++];
            }
            if (!closed) {
                error = {rows.size() + 1, row.size() + 1, "a quoted field is not closed"};
                return std::nullopt;
            }
            fieldStarted = true;
            if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                error = {rows.size() + 1, row.size() + 1, "text after the closing quote of a field"};
                return std::nullopt;
            }
            continue;
        }
        if (c == ',') {
            endField();
            ++i;
        } else if (c == '\r' || c == '\n') {
            endRow();
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        } else if (c == '"') {
            error = {rows.size() + 1, row.size() + 1, "a quote inside a field that is not quoted"};
            return std::nullopt;
        } else {
            field += c;
            fieldStarted = true;
            ++i;
        }
    }
    if (fieldStarted || !row.empty()) {
        endRow();
    }
    return rows;
}

} // namespace norvalt
