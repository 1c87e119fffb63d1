#include "skin/data/skin_errors.h"

#include <array>

#include "platform/runtime_messages.h"

namespace vorlan::skin {

std::string_view ZLibCodeText(int code) {
  // Indexed by 2 - code: 2 "need dictionary" down to -6 "incompatible version".
  static constexpr std::array<std::string_view, 9> kTexts = {
      "need dictionary", "stream end",          "ok",           "file error",          "stream error",
      "data error",      "insufficient memory", "buffer error", "incompatible version"};
  const int index = 2 - code;
  if (index < 0 || index >= static_cast<int>(kTexts.size())) return "unknown error";
  return kTexts[static_cast<std::size_t>(index)];
}

void ThrowZDecompressionError(int code) { throw EZDecompressionError(code, std::string(ZLibCodeText(code))); }

void ThrowInvalidInteger(std::u16string_view text) { throw EConvertError(platform::InvalidIntegerMessage(text)); }

}  // namespace vorlan::skin
