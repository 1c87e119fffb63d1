// The catalogue answer reader on arbitrary bytes: JSON reading, the text of
// every value and the count conversion must never crash, and their results
// must hold together.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/integer_text.h"
#include "app/json_reader.h"
#include "app/json_text.h"
#include "app/lookup_error.h"
#include "app/video_records.h"
#include "platform/text.h"

namespace {

using vorlan::app::JsonValue;

void Check(bool condition) {
  if (!condition) std::abort();
}

// Every value's text converts to a count or fails with the integer message.
void Visit(const JsonValue& value, int depth) {
  const std::u16string text = vorlan::app::JsonValueText(&value, u',');
  const auto parsed = vorlan::app::ParseInteger(text);
  try {
    Check(vorlan::app::IntegerFromText(text) == *parsed);
  } catch (const vorlan::app::LookupError& error) {
    Check(!parsed.has_value());
    // Messages travel as UTF-8 C strings: a lone surrogate becomes U+FFFD
    // and a U+0000 ends them, as it ends the box's text.
    const std::u16string expected =
        vorlan::platform::Utf8ToUtf16(vorlan::platform::Utf16ToUtf8(vorlan::app::InvalidIntegerMessage(text)));
    Check(error.Message() == expected.substr(0, expected.find(u'\0')));
  }
  if (value.IsNumber()) Check(!text.empty());
  if (depth > 50) return;
  if (value.IsArray()) {
    for (const JsonValue& element : value.AsArray()) Visit(element, depth + 1);
  } else if (value.IsObject()) {
    for (const auto& member : value.AsObject()) Visit(member.second, depth + 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string text = vorlan::platform::Utf8ToUtf16(bytes);

  const auto value = vorlan::app::ParseJson(text);
  if (value) Visit(*value, 0);

  // The records reader agrees with the parser about what is JSON.
  try {
    vorlan::app::ReadVideoList(text, u'.');
    Check(value.has_value() && value->IsArray());
  } catch (const vorlan::app::LookupError&) {
  }

  // The bytes read as a count directly.
  (void)vorlan::app::ParseInteger(text);
  return 0;
}
