#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A small writer of compact JSON text (UTF-8).
namespace vorlan::cli {

class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The member name of the next value inside an object.
  void Key(std::string_view name);

  void Value(std::int64_t number);
  void Value(double number);
  void Value(bool flag);
  void Value(std::u16string_view text);
  // Text that is UTF-8 already (named apart: a string literal would pick the bool form).
  void Utf8Value(std::string_view text);
  void Null();

  const std::string& Text() const { return text_; }

 private:
  void BeforeValue();

  std::string text_;
  bool need_comma_ = false;
};

}  // namespace vorlan::cli
