#include "cli/report.h"

#include <algorithm>
#include <cstdio>

namespace glintctl {

void PrintReport(std::ostream& out, bool json, const std::vector<Field>& fields) {
    if (json) {
        out << '{';
        for (std::size_t index = 0; index < fields.size(); ++index) {
            out << (index == 0 ? "" : ",") << JsonString(fields[index].key) << ':'
                << fields[index].json;
        }
        out << "}\n";
        return;
    }
    std::size_t width = 0;
    for (const Field& field : fields) {
        width = std::max(width, field.key.size());
    }
    for (const Field& field : fields) {
        std::string label = field.key;
        std::replace(label.begin(), label.end(), '_', ' ');
        out << label << ':' << std::string(width - label.size() + 1, ' ') << field.text << '\n';
    }
}

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

} // namespace glintctl
