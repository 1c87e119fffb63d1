#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <utility>
#include <variant>

namespace vorlan::app {

class JsonValue;

struct JsonNull {};

// A number keeps its written form: how it becomes text depends on it.
struct JsonNumber {
  std::string_view written;
};

// Members in document order; duplicates are kept (the first one wins).
using JsonMember = std::pair<std::u16string_view, JsonValue>;

// Containers and texts are views into the arena of the document they were
// read from (see JsonDocument): a value is valid as long as its document.
using JsonArray = std::span<const JsonValue>;
using JsonObject = std::span<const JsonMember>;

// One parsed JSON value. Strings hold their unescaped UTF-16 text (a \u
// escape gives its code unit as it stands, so a surrogate pair becomes one
// character and a lone surrogate stays lone). Values own nothing, so that
// a document of many values is released at once, without a destructor per
// value.
class JsonValue {
 public:
  // The elements or members of a container, laid out one after another.
  template <class Item>
  struct Run {
    const Item* first = nullptr;
    size_t count = 0;
  };
  using Storage = std::variant<JsonNull, bool, JsonNumber, std::u16string_view, Run<JsonValue>, Run<JsonMember>>;

  JsonValue() = default;
  explicit JsonValue(Storage storage) : storage_(storage) {}

  bool IsNull() const { return std::holds_alternative<JsonNull>(storage_); }
  bool IsBool() const { return std::holds_alternative<bool>(storage_); }
  bool IsNumber() const { return std::holds_alternative<JsonNumber>(storage_); }
  bool IsString() const { return std::holds_alternative<std::u16string_view>(storage_); }
  bool IsArray() const { return std::holds_alternative<Run<JsonValue>>(storage_); }
  bool IsObject() const { return std::holds_alternative<Run<JsonMember>>(storage_); }

  // Each of these must only be called for the matching kind.
  bool AsBool() const { return std::get<bool>(storage_); }
  const JsonNumber& AsNumber() const { return std::get<JsonNumber>(storage_); }
  std::u16string_view AsString() const { return std::get<std::u16string_view>(storage_); }
  JsonArray AsArray() const;
  JsonObject AsObject() const;

 private:
  Storage storage_;
};

inline JsonArray JsonValue::AsArray() const {
  const auto& run = std::get<Run<JsonValue>>(storage_);
  return {run.first, run.count};
}

inline JsonObject JsonValue::AsObject() const {
  const auto& run = std::get<Run<JsonMember>>(storage_);
  return {run.first, run.count};
}

// The first member whose name equals `name` code unit for code unit, or
// nullptr when the object has none.
const JsonValue* FindMember(JsonObject object, std::u16string_view name);

}  // namespace vorlan::app
