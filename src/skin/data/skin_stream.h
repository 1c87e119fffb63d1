#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Byte streams of the package reader: a seekable source and the memory
// stream that holds package bytes and inflated members.
namespace vorlan::skin {

class Stream {
 public:
  virtual ~Stream() = default;

  // Reads up to buffer.size() bytes; returns how many were read (0 at the end).
  virtual std::size_t Read(std::span<std::uint8_t> buffer) = 0;
  virtual void Write(std::span<const std::uint8_t> bytes) = 0;
  virtual std::int64_t Position() const = 0;
  // Moves to an absolute position; returns the new position.
  virtual std::int64_t Seek(std::int64_t position) = 0;
  virtual std::int64_t Size() const = 0;

  // Reads exactly buffer.size() bytes or raises "Stream read error".
  void ReadBuffer(std::span<std::uint8_t> buffer);
};

class MemoryStream final : public Stream {
 public:
  MemoryStream() = default;
  explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  std::size_t Read(std::span<std::uint8_t> buffer) override;
  void Write(std::span<const std::uint8_t> bytes) override;
  std::int64_t Position() const override { return position_; }
  std::int64_t Seek(std::int64_t position) override;
  std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::vector<std::uint8_t> TakeBytes() { return std::move(bytes_); }
  std::span<const std::uint8_t> View() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::int64_t position_ = 0;
};

// Copies exactly count bytes from source to dest in pieces of at most 61440
// bytes; a piece that cannot be filled raises "Stream read error".
void CopyStreamBytes(Stream& dest, Stream& source, std::int64_t count);

}  // namespace vorlan::skin
