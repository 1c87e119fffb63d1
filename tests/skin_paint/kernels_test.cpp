#include "skin/paint/kernels.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "paint_test_util.h"

namespace vorlan::paint {
namespace {

// Every (destination channel, source channel, weight) triple: 2^24 cases,
// in rows of 256 destination values; the channel values are put in every
// byte lane, each lane offset so that the lanes see different pairs.
TEST(Kernels, BlendRowEqualsReferenceExhaustively) {
  std::vector<uint32_t> d(256), s(256), fast(256), ref(256);
  for (int weight = 0; weight < 256; ++weight) {
    for (int sv = 0; sv < 256; ++sv) {
      for (int dv = 0; dv < 256; ++dv) {
        d[size_t(dv)] = uint32_t(dv) | uint32_t((dv + 85) & 255) << 8 | uint32_t((dv + 170) & 255) << 16 |
                        uint32_t(255 - dv) << 24;
        s[size_t(dv)] = uint32_t(sv) * 0x01010101u;
      }
      fast = d;
      ref = d;
      kernels::BlendRow(fast.data(), s.data(), 256, weight);
      kernels::BlendRowReference(ref.data(), s.data(), 256, weight);
      for (size_t i = 0; i < 256; ++i)
        ASSERT_EQ(fast[i], ref[i]) << "d " << std::hex << d[i] << " s " << s[i] << std::dec << " weight " << weight;
    }
  }
}

// Every (destination channel, source channel, source alpha): 2^24 cases;
// the destination alpha runs through all values in the lanes.
TEST(Kernels, CompositeRowEqualsReferenceExhaustively) {
  std::vector<uint32_t> d(256), s(256), fast(256), ref(256);
  for (int sa = 0; sa < 256; ++sa) {
    for (int sv = 0; sv < 256; ++sv) {
      for (int dv = 0; dv < 256; ++dv) {
        d[size_t(dv)] = uint32_t(dv) * 0x00010101u | uint32_t((dv + sv) & 255) << 24;
        s[size_t(dv)] = uint32_t(sv) | uint32_t(255 - sv) << 8 | uint32_t((sv + dv) & 255) << 16 | uint32_t(sa) << 24;
      }
      fast = d;
      ref = d;
      kernels::CompositeRow(fast.data(), s.data(), 256);
      kernels::CompositeRowReference(ref.data(), s.data(), 256);
      for (size_t i = 0; i < 256; ++i)
        ASSERT_EQ(fast[i], ref[i]) << "d " << std::hex << d[i] << " s " << s[i];
    }
  }
}

TEST(Kernels, RowsOfEveryLengthAndOffset) {
  std::mt19937 rng(99);
  for (int count = 0; count < 19; ++count) {
    for (int offset = 0; offset < 4; ++offset) {
      std::vector<uint32_t> d(32), s(32);
      for (auto& v : d) v = rng();
      for (auto& v : s) v = rng();
      auto a = d, b = d;
      const int weight = int(rng() % 256);
      kernels::BlendRow(a.data() + offset, s.data() + offset, count, weight);
      kernels::BlendRowReference(b.data() + offset, s.data() + offset, count, weight);
      ASSERT_EQ(a, b) << count << " " << offset;
      kernels::CompositeRow(a.data() + offset, s.data() + offset, count);
      kernels::CompositeRowReference(b.data() + offset, s.data() + offset, count);
      ASSERT_EQ(a, b) << count << " " << offset;
    }
  }
}

}  // namespace
}  // namespace vorlan::paint
