#include "skin/data/zstream.h"

#include <zlib.h>

#include <algorithm>

#include "skin/data/skin_errors.h"

namespace vorlan::skin {

struct TZDecompressionStream::ZState {
  z_stream stream{};
};

TZDecompressionStream::TZDecompressionStream(Stream& source)
    : source_(source),
      start_position_(source.Position()),
      source_position_(start_position_),
      z_(std::make_unique<ZState>()),
      input_(kInputBufferSize) {
  const int result = inflateInit(&z_->stream);
  if (result != Z_OK) ThrowZDecompressionError(result);
}

TZDecompressionStream::~TZDecompressionStream() { inflateEnd(&z_->stream); }

std::size_t TZDecompressionStream::Read(std::span<std::uint8_t> buffer) {
  z_stream& z = z_->stream;
  if (source_.Position() != source_position_) source_.Seek(source_position_);
  z.next_out = buffer.data();
  z.avail_out = static_cast<uInt>(buffer.size());
  while (z.avail_out > 0 && !stream_end_) {
    if (z.avail_in == 0) {
      const std::size_t got = source_.Read(input_);
      if (got == 0) break;
      z.next_in = input_.data();
      z.avail_in = static_cast<uInt>(got);
      source_position_ = source_.Position();
    }
    const int result = inflate(&z, Z_NO_FLUSH);
    // A preset dictionary has no answer here: the member is corrupt.
    if (result == Z_NEED_DICT) ThrowZDecompressionError(Z_DATA_ERROR);
    if (result < 0) ThrowZDecompressionError(result);
    if (result == Z_STREAM_END) stream_end_ = true;
  }
  if (stream_end_ && z.avail_in > 0) {
    source_position_ = source_.Seek(source_.Position() - static_cast<std::int64_t>(z.avail_in));
    z.avail_in = 0;
  }
  const std::size_t count = buffer.size() - z.avail_out;
  produced_ += static_cast<std::int64_t>(count);
  return count;
}

void TZDecompressionStream::Write(std::span<const std::uint8_t>) {
  throw EZDecompressionError(Z_STREAM_ERROR, std::string(kInvalidZStreamOperation));
}

void TZDecompressionStream::Restart() {
  const int result = inflateReset(&z_->stream);
  if (result != Z_OK) ThrowZDecompressionError(result);
  z_->stream.avail_in = 0;
  // Back to where this stream's data begins, not to the source's start:
  // the source may hold other data before it.
  source_position_ = source_.Seek(start_position_);
  produced_ = 0;
  stream_end_ = false;
}

std::int64_t TZDecompressionStream::Seek(std::int64_t position) {
  if (position == 0) {
    Restart();
    return 0;
  }
  if (position < produced_) throw EZDecompressionError(Z_STREAM_ERROR, std::string(kInvalidZStreamOperation));
  std::vector<std::uint8_t> discard(16384);
  while (produced_ < position) {
    const auto piece = static_cast<std::size_t>(std::min<std::int64_t>(position - produced_, 16384));
    if (Read(std::span(discard.data(), piece)) == 0) break;
  }
  return produced_;
}

std::int64_t TZDecompressionStream::SeekToEnd() {
  std::vector<std::uint8_t> discard(16384);
  while (Read(discard) > 0) {
  }
  return produced_;
}

}  // namespace vorlan::skin
