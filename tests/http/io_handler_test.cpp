#include "http/io_handler.h"

#include <gtest/gtest.h>

#include "http/memory_network.h"

namespace vorlan::http {
namespace {

using testing::MemoryAnswer;
using testing::MemoryNetwork;

// A chunked body comes in one ReadBytes call per chunk. Growing the body by
// exactly each chunk moved the whole body so far on every call: quadratic
// copying, and at 32 bits the address space ran out on a 7 MB body. The
// body's storage must move only a logarithmic number of times.
TEST(IOHandler, BodyReadInManySmallPiecesMovesRarely) {
  constexpr int kPieces = 4096;
  MemoryNetwork network({MemoryAnswer(std::string(kPieces, 'x'))});
  const TWaitLimits limits;
  TIOHandlerStack io(network.Connector(), limits);
  io.Connect("h", 80, platform::AddressFamily::kIPv4);
  io.WriteBufferOpen();
  io.WriteLn("GET / HTTP/1.1");
  io.WriteLn("");
  io.WriteBufferClose();

  std::vector<uint8_t> body;
  int moves = 0;
  const uint8_t* storage = nullptr;
  for (int i = 0; i < kPieces; ++i) {
    io.ReadBytes(1, body);
    if (body.data() != storage) ++moves;
    storage = body.data();
  }
  EXPECT_EQ(body, std::vector<uint8_t>(kPieces, 'x'));
  EXPECT_LE(moves, 2 * 12 + 2) << "4096 = 2^12 bytes, one byte at a time";
}

}  // namespace
}  // namespace vorlan::http
