#pragma once
#include <string>

// The driver's output, read by bench/run.sh: "figure KEY VALUE" lines and free "note" lines.
void Figure(const std::string& key, double value);
void Note(const std::string& text);
