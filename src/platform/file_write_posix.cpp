#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/file_write.h"
#include "platform/text.h"

namespace vorlan::platform {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  // Closes now so that a failure of the close itself can be seen.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

[[noreturn]] void ThrowCannotCreate(std::u16string_view file_name, int error_number) {
  throw FileCreateError(CannotCreateFileMessage(FullPathName(file_name), Utf8ToUtf16(std::strerror(error_number))));
}

}  // namespace

std::u16string FullPathName(std::u16string_view file_name) {
  std::error_code error;
  const std::filesystem::path path(Utf16ToUtf8(file_name));
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return Utf8ToUtf16(error ? path.string() : absolute.lexically_normal().string());
}

void WriteWholeFile(std::u16string_view file_name, std::string_view bytes) {
  const std::string name = Utf16ToUtf8(file_name);
  // Truncate only once the lock is held, so a file another program holds
  // keeps its content.
  FileDescriptor file(::open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
  if (file.Get() < 0) ThrowCannotCreate(file_name, errno);
  if (::flock(file.Get(), LOCK_EX | LOCK_NB) != 0 || ::ftruncate(file.Get(), 0) != 0) {
    ThrowCannotCreate(file_name, errno);
  }
  while (!bytes.empty()) {
    const ssize_t written = ::write(file.Get(), bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) throw FileWriteError(std::u16string_view(kFileWriteErrorMessage));
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  if (file.Close() != 0) throw FileWriteError(std::u16string_view(kFileWriteErrorMessage));
}

}  // namespace vorlan::platform
