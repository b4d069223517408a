#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace glintctl {

// One value of a command's result, in both of its forms.
struct Field {
    std::string key;  // the JSON key; shown with spaces for underscores in the text form
    std::string json; // already a JSON value
    std::string text;
};

// One JSON object on one line, or one "key: text" line per field.
void PrintReport(std::ostream& out, bool json, const std::vector<Field>& fields);

std::string JsonString(const std::string& text);

} // namespace glintctl
