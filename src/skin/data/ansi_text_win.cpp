#include <windows.h>

#include "skin/data/ansi_text.h"

namespace vorlan::skin {

std::u16string AnsiToUtf16(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), length);
  return std::u16string(wide.begin(), wide.end());
}

std::string Utf16ToAnsi(std::u16string_view text) {
  if (text.empty()) return {};
  const std::wstring wide(text.begin(), text.end());
  const int length =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, "?", nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), length, "?", nullptr);
  return bytes;
}

}  // namespace vorlan::skin
