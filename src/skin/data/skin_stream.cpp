#include "skin/data/skin_stream.h"

#include <algorithm>
#include <cstring>

#include "skin/data/skin_errors.h"

namespace vorlan::skin {

void Stream::ReadBuffer(std::span<std::uint8_t> buffer) {
  if (Read(buffer) != buffer.size()) throw EReadError();
}

std::size_t MemoryStream::Read(std::span<std::uint8_t> buffer) {
  const std::int64_t available = std::max<std::int64_t>(0, Size() - position_);
  const std::size_t count =
      static_cast<std::size_t>(std::min<std::int64_t>(available, static_cast<std::int64_t>(buffer.size())));
  if (count > 0) std::memcpy(buffer.data(), bytes_.data() + position_, count);
  position_ += static_cast<std::int64_t>(count);
  return count;
}

void MemoryStream::Write(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return;
  const std::size_t end = static_cast<std::size_t>(position_) + bytes.size();
  if (end > bytes_.size()) bytes_.resize(end);
  std::memcpy(bytes_.data() + position_, bytes.data(), bytes.size());
  position_ = static_cast<std::int64_t>(end);
}

std::int64_t MemoryStream::Seek(std::int64_t position) {
  position_ = std::max<std::int64_t>(0, position);
  return position_;
}

void CopyStreamBytes(Stream& dest, Stream& source, std::int64_t count) {
  constexpr std::int64_t kCopyChunk = 61440;
  std::vector<std::uint8_t> chunk(static_cast<std::size_t>(std::min(count, kCopyChunk)));
  while (count > 0) {
    const auto piece = static_cast<std::size_t>(std::min(count, kCopyChunk));
    source.ReadBuffer(std::span(chunk.data(), piece));
    dest.Write(std::span(chunk.data(), piece));
    count -= static_cast<std::int64_t>(piece);
  }
}

}  // namespace vorlan::skin
