#include "cli/json_reader.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "sheet/utf8.h"

namespace rv::cli {

namespace {

constexpr int kMaxDepth = 64;

class JsonParser {
 public:
  explicit JsonParser(std::string_view text) : text_(text) {}

  JsonValue document() {
    JsonValue value = parseValue(0);
    skipSpace();
    if (at_ < text_.size()) fail("text after the end of the document");
    return value;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    int line = 1;
    for (size_t i = 0; i < at_ && i < text_.size(); ++i)
      if (text_[i] == '\n') ++line;
    throw JsonError("line " + std::to_string(line) + ": " + what);
  }

  void skipSpace() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
      ++at_;
  }

  char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }

  void expect(char c) {
    skipSpace();
    if (peek() != c) fail(std::string("'") + c + "' expected");
    ++at_;
  }

  bool takeWord(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  JsonValue parseValue(int depth) {
    if (depth > kMaxDepth) fail("nested too deeply");
    skipSpace();
    JsonValue value;
    const char c = peek();
    if (c == '{') {
      value.kind = JsonValue::Kind::Object;
      ++at_;
      skipSpace();
      if (peek() == '}') {
        ++at_;
        return value;
      }
      for (;;) {
        skipSpace();
        if (peek() != '"') fail("a member name expected");
        std::string name = parseString();
        expect(':');
        value.members.push_back({std::move(name), parseValue(depth + 1)});
        skipSpace();
        if (peek() == ',') {
          ++at_;
          continue;
        }
        expect('}');
        return value;
      }
    }
    if (c == '[') {
      value.kind = JsonValue::Kind::Array;
      ++at_;
      skipSpace();
      if (peek() == ']') {
        ++at_;
        return value;
      }
      for (;;) {
        value.items.push_back(parseValue(depth + 1));
        skipSpace();
        if (peek() == ',') {
          ++at_;
          continue;
        }
        expect(']');
        return value;
      }
    }
    if (c == '"') {
      value.kind = JsonValue::Kind::String;
      value.text = parseString();
      return value;
    }
    if (takeWord("true") || takeWord("false")) {
      value.kind = JsonValue::Kind::Boolean;
      value.boolean = text_[at_ - 2] == 'u';
      return value;
    }
    if (takeWord("null")) return value;
    if (c == '-' || (c >= '0' && c <= '9')) {
      value.kind = JsonValue::Kind::Number;
      value.text = parseNumber();
      return value;
    }
    fail(at_ < text_.size() ? "a value expected" : "the text ends inside the document");
  }

  std::string parseNumber() {
    const size_t start = at_;
    auto digits = [this] {
      const size_t from = at_;
      while (peek() >= '0' && peek() <= '9') ++at_;
      return at_ > from;
    };
    if (peek() == '-') ++at_;
    if (peek() == '0') ++at_;
    else if (!digits()) fail("a number expected");
    if (peek() == '.') {
      ++at_;
      if (!digits()) fail("digits expected after the decimal point");
    }
    if (peek() == 'e' || peek() == 'E') {
      ++at_;
      if (peek() == '+' || peek() == '-') ++at_;
      if (!digits()) fail("digits expected in the exponent");
    }
    return std::string(text_.substr(start, at_ - start));
  }

  unsigned hexDigits() {
    if (at_ + 4 > text_.size()) fail("four hex digits expected after \\u");
    unsigned code = 0;
    for (int i = 0; i < 4; ++i) {
      const char h = text_[at_++];
      code <<= 4;
      if (h >= '0' && h <= '9') code |= static_cast<unsigned>(h - '0');
      else if (h >= 'a' && h <= 'f') code |= static_cast<unsigned>(h - 'a' + 10);
      else if (h >= 'A' && h <= 'F') code |= static_cast<unsigned>(h - 'A' + 10);
      else fail("four hex digits expected after \\u");
    }
    return code;
  }

  std::string parseString() {
    ++at_;  // the opening quote
    std::string out;
    for (;;) {
      if (at_ >= text_.size()) fail("the text ends inside a string");
      const char c = text_[at_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) fail("a control character inside a string");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) fail("the text ends inside a string");
      switch (const char escaped = text_[at_++]) {
        case '"':
        case '\\':
        case '/': out += escaped; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          unsigned code = hexDigits();
          if (code >= 0xD800 && code < 0xDC00 && takeWord("\\u")) {
            const unsigned low = hexDigits();
            if (low < 0xDC00 || low > 0xDFFF) fail("a lone surrogate in a string");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          } else if (code >= 0xD800 && code < 0xE000) {
            fail("a lone surrogate in a string");
          }
          AppendUtf8(out, static_cast<char32_t>(code));
          break;
        }
        default: fail("an unknown escape in a string");
      }
    }
  }

  std::string_view text_;
  size_t at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::member(std::string_view name) const {
  for (const JsonMember& found : members)
    if (found.name == name) return &found.value;
  return nullptr;
}

JsonValue ParseJson(std::string_view text) { return JsonParser(text).document(); }

std::int64_t JsonInteger(const JsonValue& value, std::int64_t low, std::int64_t high) {
  const auto outOfRange = [&] {
    return JsonError("a whole number from " + std::to_string(low) + " to " + std::to_string(high) + " expected" +
                     (value.kind == JsonValue::Kind::Number ? ", not " + value.text : ""));
  };
  if (value.kind != JsonValue::Kind::Number) throw outOfRange();
  char* end = nullptr;
  errno = 0;
  const long long number = std::strtoll(value.text.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE || number < low || number > high) throw outOfRange();
  return number;
}

double JsonDouble(const JsonValue& value) {
  if (value.kind != JsonValue::Kind::Number) throw JsonError("a number expected");
  // A value too small for a double's normal range still reads as the
  // nearest double; one too large does not.
  const double number = std::strtod(value.text.c_str(), nullptr);
  if (!std::isfinite(number)) throw JsonError("a number within the range of a double expected, not " + value.text);
  return number;
}

}  // namespace rv::cli
