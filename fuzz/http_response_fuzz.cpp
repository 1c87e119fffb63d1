// The client's response reading (status, header, body framings, cookies,
// charsets) over an in-memory connection that answers the fuzz input.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "http/http_client.h"

namespace {

class FuzzChannel final : public vorlan::http::TByteChannel {
 public:
  FuzzChannel(const uint8_t* data, size_t size) : data_(data, data + size) {}
  bool WaitReadable(vorlan::platform::Deadline) override { return true; }
  size_t Receive(std::span<uint8_t> into) override {
    // Small, varying pieces exercise the buffer boundaries.
    const size_t count = std::min({into.size(), data_.size() - offset_, size_t{1} + offset_ % 97});
    if (count == 0) return 0;
    std::memcpy(into.data(), data_.data() + offset_, count);
    offset_ += count;
    return count;
  }
  size_t Send(std::span<const uint8_t> bytes) override { return bytes.size(); }

 private:
  std::vector<uint8_t> data_;
  size_t offset_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto connector = [data, size](const vorlan::http::TConnectTarget&) {
    return std::make_unique<FuzzChannel>(data, size);
  };
  vorlan::http::THttpClient client(connector);
  try {
    client.Get(u"http://fuzz.example/a/b?c=d");
  } catch (const vorlan::Error&) {
  }
  std::vector<uint8_t> stream;
  try {
    client.Get(u"http://fuzz.example/e", stream);
  } catch (const vorlan::Error&) {
  }
  return 0;
}
