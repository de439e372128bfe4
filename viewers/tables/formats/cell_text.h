// Texts of the cells every table reader makes alike.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// One line: control characters become spaces, a CR LF pair one space.
std::string OneLine(const char* p, size_t n);
// A number with decimals places (0 to 15).
std::string NumberText(double value, int decimals);
std::string IntegerText(int64_t value);
