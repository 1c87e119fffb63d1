#pragma once

#include <string>
#include <string_view>

#include "platform/error.h"

namespace vorlan::platform {

// The file could not be created; the message is
// "Cannot create file "<full path>". <system's error text>".
class FileCreateError : public Error {
 public:
  using Error::Error;
};

// Writing to a created file failed (the disk is full, for instance).
class FileWriteError : public Error {
 public:
  using Error::Error;
};

inline constexpr char16_t kFileWriteErrorMessage[] = u"Stream write error";

// Creates the file, or truncates an existing one, for reading and writing
// with exclusive access, writes `bytes` and closes it. A relative name is
// taken from the current directory.
void WriteWholeFile(std::u16string_view file_name, std::string_view bytes);

// The name expanded to a full path against the current directory.
std::u16string FullPathName(std::u16string_view file_name);

// "Cannot create file "%s". %s" filled in; trailing blanks and periods of
// the system text are removed.
std::u16string CannotCreateFileMessage(std::u16string_view full_path, std::u16string_view system_text);

}  // namespace vorlan::platform
