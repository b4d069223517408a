#pragma once

#include <cctype>
#include <map>
#include <optional>
#include <string>

// Parses one flat JSON object as glintctl prints it: values are numbers, strings, true, false,
// null or arrays of numbers, kept as their JSON text (strings unquoted). Empty on any syntax
// error, so a test that reads a field from malformed output fails.
inline std::optional<std::map<std::string, std::string>> ParseFlatJson(const std::string& line) {
    std::map<std::string, std::string> fields;
    std::size_t at = 0;
    const auto skipSpace = [&] {
        while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at]))) {
            ++at;
        }
    };
    const auto parseString = [&]() -> std::optional<std::string> {
        if (at >= line.size() || line[at] != '"') {
            return std::nullopt;
        }
        std::string text;
        for (++at; at < line.size() && line[at] != '"'; ++at) {
            if (line[at] == '\\' && ++at >= line.size()) {
                return std::nullopt;
            }
            text += line[at];
        }
        if (at >= line.size()) {
            return std::nullopt;
        }
        ++at;
        return text;
    };
    skipSpace();
    if (at >= line.size() || line[at++] != '{') {
        return std::nullopt;
    }
    for (;;) {
        skipSpace();
        std::optional<std::string> key = parseString();
        skipSpace();
        if (!key || at >= line.size() || line[at++] != ':') {
            return std::nullopt;
        }
        skipSpace();
        std::string value;
        if (at < line.size() && line[at] == '"') {
            std::optional<std::string> text = parseString();
            if (!text) {
                return std::nullopt;
            }
            value = *text;
        } else {
            const bool array = at < line.size() && line[at] == '[';
            const std::size_t end = array ? line.find(']', at) + 1 : line.find_first_of(",}", at);
            if (end == std::string::npos || end == 0) {
                return std::nullopt;
            }
            value = line.substr(at, end - at);
            at = end;
            const std::string inner = array ? value.substr(1, value.size() - 2) : value;
            const bool numbers =
                !inner.empty() &&
                inner.find_first_not_of(array ? "0123456789," : "-0123456789") == std::string::npos;
            if (!numbers && value != "true" && value != "false" && value != "null") {
                return std::nullopt;
            }
        }
        fields[*key] = value;
        skipSpace();
        if (at < line.size() && line[at] == ',') {
            ++at;
            continue;
        }
        if (at < line.size() && line[at] == '}') {
            ++at;
            skipSpace();
            return at == line.size() ? std::optional(fields) : std::nullopt;
        }
        return std::nullopt;
    }
}
