#pragma once
// The little JSON the description, the page and the test tables are written in: strings, numbers, arrays
// and objects, UTF-8 passed through, control characters escaped.

#include <cstdio>
#include <string>
#include <string_view>

namespace form::json {

inline std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    out += escape;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

inline std::string Quoted(const char* text) { return text ? Quoted(std::string_view(text)) : "null"; }

// Writes `text` to the file named `path` ("-": standard output); false on failure.
inline bool WriteFile(const char* path, const std::string& text) {
    std::FILE* file = std::string_view(path) == "-" ? stdout : std::fopen(path, "wb");
    if (!file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return (file == stdout ? std::fflush(file) == 0 : std::fclose(file) == 0) && written;
}

}  // namespace form::json
