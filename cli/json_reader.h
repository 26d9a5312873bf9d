#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace rv::cli {

// A fault in a JSON text, with the line it is on.
struct JsonError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct JsonMember;

// One JSON value as read. A number keeps its text, so that it is converted
// once, exactly, by whoever knows what it must be.
struct JsonValue {
  enum class Kind { Null, Boolean, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  std::string text;  // a number's digits, or a string's characters
  std::vector<JsonValue> items;
  std::vector<JsonMember> members;  // in the order written

  // The member of an object with this name, or nullptr.
  const JsonValue* member(std::string_view name) const;
};

struct JsonMember {
  std::string name;
  JsonValue value;
};

// Reads one JSON document (RFC 8259) that fills the whole text. Nesting
// deeper than 64 levels is refused rather than followed.
JsonValue ParseJson(std::string_view text);

// A number that must be a whole number within [low, high], or a double that
// the number's text names exactly as written; JsonError otherwise.
std::int64_t JsonInteger(const JsonValue& value, std::int64_t low, std::int64_t high);
double JsonDouble(const JsonValue& value);

}  // namespace rv::cli
