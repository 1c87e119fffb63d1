#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "skin/data/skin_stream.h"

// A read-only stream that inflates the zlib stream found in a source stream
// from the source's position at creation. The source is borrowed; several
// such streams may read one source, each seeking it back to where it was.
namespace vorlan::skin {

class TZDecompressionStream final : public Stream {
 public:
  static constexpr std::size_t kInputBufferSize = 0x20000;

  explicit TZDecompressionStream(Stream& source);
  ~TZDecompressionStream() override;
  TZDecompressionStream(const TZDecompressionStream&) = delete;
  TZDecompressionStream& operator=(const TZDecompressionStream&) = delete;

  std::size_t Read(std::span<std::uint8_t> buffer) override;
  // Raises "Invalid ZStream operation!".
  void Write(std::span<const std::uint8_t> bytes) override;
  // The number of bytes produced so far.
  std::int64_t Position() const override { return produced_; }
  // Forward by reading and discarding, to 0 by starting again; anything
  // else raises "Invalid ZStream operation!".
  std::int64_t Seek(std::int64_t position) override;
  // Reads to the end of the inflated data; the stream then stands there.
  std::int64_t SeekToEnd();
  // The inflated size is unknown up front.
  std::int64_t Size() const override { return -1; }

  // True once zlib has consumed the stream's trailer.
  bool AtStreamEnd() const { return stream_end_; }

 private:
  struct ZState;

  void Restart();

  Stream& source_;
  std::int64_t start_position_;
  std::int64_t source_position_;
  std::unique_ptr<ZState> z_;
  std::vector<std::uint8_t> input_;
  std::int64_t produced_ = 0;
  bool stream_end_ = false;
};

}  // namespace vorlan::skin
