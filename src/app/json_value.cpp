#include "app/json_value.h"

namespace vorlan::app {

const JsonValue* FindMember(JsonObject object, std::u16string_view name) {
  for (const auto& [member_name, value] : object) {
    if (member_name == name) return &value;
  }
  return nullptr;
}

}  // namespace vorlan::app
