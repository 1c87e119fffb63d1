#include <windows.h>

#include <climits>

#include "platform/codepage.h"

namespace vorlan::platform {

std::optional<std::u16string> DecodeCodePage(std::string_view bytes, unsigned code_page) {
  if (!IsValidCodePage(code_page)) return std::nullopt;
  if (bytes.empty()) return std::u16string();
  if (bytes.size() > static_cast<size_t>(INT_MAX)) return std::nullopt;
  const int in_length = static_cast<int>(bytes.size());
  const int out_length = MultiByteToWideChar(code_page, 0, bytes.data(), in_length, nullptr, 0);
  if (out_length <= 0) return std::nullopt;
  std::u16string text(static_cast<size_t>(out_length), u'\0');
  const int written =
      MultiByteToWideChar(code_page, 0, bytes.data(), in_length, reinterpret_cast<wchar_t*>(text.data()), out_length);
  if (written <= 0) return std::nullopt;
  text.resize(static_cast<size_t>(written));
  return text;
}

}  // namespace vorlan::platform
