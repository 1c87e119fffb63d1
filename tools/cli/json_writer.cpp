#include "cli/json_writer.h"

#include <charconv>
#include <cmath>

#include "platform/text.h"

namespace vorlan::cli {

void JsonWriter::BeforeValue() {
  if (need_comma_) text_ += ',';
  need_comma_ = true;
}

void JsonWriter::BeginObject() {
  BeforeValue();
  text_ += '{';
  need_comma_ = false;
}

void JsonWriter::EndObject() {
  text_ += '}';
  need_comma_ = true;
}

void JsonWriter::BeginArray() {
  BeforeValue();
  text_ += '[';
  need_comma_ = false;
}

void JsonWriter::EndArray() {
  text_ += ']';
  need_comma_ = true;
}

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  text_ += '"';
  text_ += name;
  text_ += "\":";
  need_comma_ = false;
}

void JsonWriter::Value(std::int64_t number) {
  BeforeValue();
  text_ += std::to_string(number);
}

void JsonWriter::Value(double number) {
  BeforeValue();
  if (!std::isfinite(number)) {
    text_ += "null";
    return;
  }
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
  text_.append(buffer, result.ptr);
}

void JsonWriter::Value(bool flag) {
  BeforeValue();
  text_ += flag ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  text_ += "null";
}

void JsonWriter::Value(std::u16string_view text) { Utf8Value(platform::Utf16ToUtf8(text)); }

// Quotes and backslashes escaped, the usual short escapes, other control
// characters as lower-case \u00xx; UTF-8 passes through.
void JsonWriter::Utf8Value(std::string_view text) {
  BeforeValue();
  static constexpr char kHex[] = "0123456789abcdef";
  text_ += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
      case '\\':
        text_ += '\\';
        text_ += c;
        break;
      case '\b':
        text_ += "\\b";
        break;
      case '\f':
        text_ += "\\f";
        break;
      case '\n':
        text_ += "\\n";
        break;
      case '\r':
        text_ += "\\r";
        break;
      case '\t':
        text_ += "\\t";
        break;
      default:
        if (byte < 0x20) {
          text_ += "\\u00";
          text_ += kHex[byte >> 4];
          text_ += kHex[byte & 15];
        } else {
          text_ += c;
        }
    }
  }
  text_ += '"';
}

}  // namespace vorlan::cli
