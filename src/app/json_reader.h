#pragma once

#include <memory>
#include <memory_resource>
#include <optional>
#include <string_view>

#include "app/json_value.h"

namespace vorlan::app {

// A parsed document: the root value and the arena its strings and
// containers live in. Used like an optional value (`if (!doc)`,
// `doc->AsArray()`); its values and texts are views into the arena, valid
// while the document lives (moving the document keeps them valid).
class JsonDocument {
 public:
  JsonDocument() = default;
  JsonDocument(std::unique_ptr<std::pmr::memory_resource> arena, JsonValue root)
      : arena_(std::move(arena)), root_(std::move(root)) {}

  bool has_value() const { return root_.has_value(); }
  explicit operator bool() const { return has_value(); }
  const JsonValue& operator*() const { return *root_; }
  const JsonValue* operator->() const { return &*root_; }

 private:
  std::unique_ptr<std::pmr::memory_resource> arena_;  // declared first: outlives the values
  std::optional<JsonValue> root_;
};

// Reads exactly one JSON value (any kind at the top level) from the text.
// The text is taken as UTF-8, a leading byte order mark and blanks (space,
// tab, CR, LF) are skipped. The value must end exactly at the end of the
// text: blanks after the closing bracket of an array or object belong to
// it, anything else (a blank after a top-level scalar too) fails. Gives no
// value when the text is not one complete JSON value.
JsonDocument ParseJson(std::u16string_view text);

// The same reading on UTF-8 bytes.
JsonDocument ParseJsonUtf8(std::string_view utf8);

// Arrays and objects nested deeper than this are refused rather than
// risking the stack.
inline constexpr int kMaxJsonNesting = 1000;

}  // namespace vorlan::app
