#include "deviceid/DeviceIdText.h"

#include <cstdio>
#include <set>

std::string Escaped(const std::string& bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\\' || byte == '"') {
            text += '\\';
            text += c;
        } else if (byte < 0x20 || byte > 0x7E) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            text += escape;
        } else {
            text += c;
        }
    }
    return text;
}

std::vector<std::string> FieldLines(const std::string& id) {
    std::vector<std::string> lines;
    std::set<std::string> keys;
    size_t start = 0;
    while (start < id.size()) {
        const size_t end = std::min(id.find(';', start), id.size());
        const std::string field = id.substr(start, end - start);
        start = end + 1;
        const size_t colon = field.find(':');
        if (field.empty()) {
            lines.push_back("(an empty field)");
        } else if (colon == std::string::npos) {
            lines.push_back("(a field without a colon: \"" + Escaped(field) + "\")");
        } else {
            const std::string key = Escaped(field.substr(0, colon));
            const std::string line = key + ": " + Escaped(field.substr(colon + 1));
            lines.push_back(keys.insert(key).second ? line : line + "    (" + key + " again)");
        }
    }
    return lines;
}
