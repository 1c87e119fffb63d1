#include "app/video_records.h"

#include "app/integer_text.h"
#include "app/json_reader.h"
#include "app/json_text.h"
#include "app/lookup_error.h"

namespace vorlan::app {
namespace {

std::u16string MemberText(const JsonObject& object, std::u16string_view name, char16_t decimal_separator) {
  return JsonValueText(FindMember(object, name), decimal_separator);
}

int32_t MemberCount(const JsonObject& object, std::u16string_view name, char16_t decimal_separator) {
  const JsonValue* member = FindMember(object, name);
  if (member == nullptr) return 0;
  return IntegerFromText(JsonValueText(member, decimal_separator));
}

// Fetching an element by index the way the lookup asks for it.
const JsonValue& ElementAt(const JsonArray& elements, size_t index) {
  if (index >= elements.size()) throw LookupError(std::u16string_view(kNoArrayElementMessage));
  return elements[index];
}

}  // namespace

TVideoList ReadVideoList(std::u16string_view response_text, char16_t decimal_separator) {
  const JsonDocument parsed = ParseJson(response_text);
  if (!parsed) throw LookupError(std::u16string_view(kNoJsonMessage));
  if (!parsed->IsArray()) throw LookupError(std::u16string_view(kNoArrayMessage));
  const JsonArray& elements = parsed->AsArray();

  TVideoList videos;
  videos.reserve(elements.size());
  for (size_t index = 0; index < elements.size(); ++index) {
    const JsonValue& element = ElementAt(elements, index);
    if (!element.IsObject()) throw LookupError(std::u16string_view(kInvalidTypecastMessage));
    const JsonObject& object = element.AsObject();
    TItem& item = videos.emplace_back();
    item.TitleRu = MemberText(object, u"title_ru", decimal_separator);
    item.TitleEn = MemberText(object, u"title_en", decimal_separator);
    item.Translator = MemberText(object, u"translator", decimal_separator);
    item.Url = MemberText(object, u"iframe_url", decimal_separator);
    item.SeasonsCount = MemberCount(object, u"seasons_count", decimal_separator);
    item.EpisodesCount = MemberCount(object, u"episodes_count", decimal_separator);
  }
  return videos;
}

}  // namespace vorlan::app
