#pragma once

#include <memory_resource>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vorlan::app {

class JsonValue;

struct JsonNull {};

// A number keeps its written form: how it becomes text depends on it.
struct JsonNumber {
  std::string written;
};

// Strings and containers of a parsed document live in the document's arena
// (one bump allocator instead of one heap block per string).
using JsonString = std::pmr::u16string;
using JsonArray = std::pmr::vector<JsonValue>;

// Members in document order; duplicates are kept (the first one wins).
using JsonObject = std::pmr::vector<std::pair<JsonString, JsonValue>>;

// One parsed JSON value. Strings hold their unescaped UTF-16 text (a \u
// escape gives its code unit as it stands, so a surrogate pair becomes one
// character and a lone surrogate stays lone).
class JsonValue {
 public:
  using Storage = std::variant<JsonNull, bool, JsonNumber, JsonString, JsonArray, JsonObject>;

  JsonValue() = default;
  explicit JsonValue(Storage storage) : storage_(std::move(storage)) {}

  bool IsNull() const { return std::holds_alternative<JsonNull>(storage_); }
  bool IsBool() const { return std::holds_alternative<bool>(storage_); }
  bool IsNumber() const { return std::holds_alternative<JsonNumber>(storage_); }
  bool IsString() const { return std::holds_alternative<JsonString>(storage_); }
  bool IsArray() const { return std::holds_alternative<JsonArray>(storage_); }
  bool IsObject() const { return std::holds_alternative<JsonObject>(storage_); }

  // Each of these must only be called for the matching kind.
  bool AsBool() const { return std::get<bool>(storage_); }
  const JsonNumber& AsNumber() const { return std::get<JsonNumber>(storage_); }
  std::u16string_view AsString() const { return std::get<JsonString>(storage_); }
  const JsonArray& AsArray() const { return std::get<JsonArray>(storage_); }
  const JsonObject& AsObject() const { return std::get<JsonObject>(storage_); }

 private:
  Storage storage_;
};

// The first member whose name equals `name` code unit for code unit, or
// nullptr when the object has none.
const JsonValue* FindMember(const JsonObject& object, std::u16string_view name);

}  // namespace vorlan::app
