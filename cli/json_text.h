#pragma once

#include <string>
#include <string_view>

namespace rv::cli {

// A JSON string literal, quoted and escaped.
std::string JsonString(std::string_view text);

// A JSON number with 17 significant digits, or null when not finite.
std::string JsonNumber(double value);

}  // namespace rv::cli
