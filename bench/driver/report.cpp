#include "report.h"

#include <cstdio>

void Figure(const std::string& key, double value) {
    std::printf("figure %s %.3f\n", key.c_str(), value);
    std::fflush(stdout);
}

void Note(const std::string& text) {
    std::printf("note %s\n", text.c_str());
    std::fflush(stdout);
}
