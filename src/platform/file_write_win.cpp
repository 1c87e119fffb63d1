#include <windows.h>

#include <string>

#include "platform/file_write.h"
#include "platform/handle_win.h"

namespace vorlan::platform {
namespace {

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

std::u16string SystemErrorText(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                          FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  const UniqueLocalMemory owned(buffer);
  std::u16string text;
  if (buffer != nullptr) text.assign(buffer, buffer + length);
  return text;
}

}  // namespace

std::u16string FullPathName(std::u16string_view file_name) {
  const std::wstring name = Wide(file_name);
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFullPathNameW(name.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return std::u16string(file_name);
    if (length < full.size()) {
      full.resize(length);
      return std::u16string(full.begin(), full.end());
    }
    full.resize(length);
  }
}

void WriteWholeFile(std::u16string_view file_name, std::string_view bytes) {
  const std::wstring name = Wide(file_name);
  UniqueKernelHandle file(CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD code = GetLastError();
    throw FileCreateError(CannotCreateFileMessage(FullPathName(file_name), SystemErrorText(code)));
  }
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), chunk, &written, nullptr) || written == 0) {
      throw FileWriteError(std::u16string_view(kFileWriteErrorMessage));
    }
    bytes.remove_prefix(written);
  }
  if (!file.close()) throw FileWriteError(std::u16string_view(kFileWriteErrorMessage));
}

}  // namespace vorlan::platform
