#include "paint/kernels.h"

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
        d[size_t(dv)] =
            uint32_t(dv) | uint32_t((dv + 85) & 255) << 8 | uint32_t((dv + 170) & 255) << 16 | uint32_t(255 - dv) << 24;
        s[size_t(dv)] = uint32_t(sv) * 0x01010101u;
      }
      ref = d;
      kernels::BlendRowReference(ref.data(), s.data(), 256, weight);
      for (const auto& form : kernels::AvailableKernelForms()) {
        fast = d;
        form.Blend(fast.data(), s.data(), 256, weight);
        for (size_t i = 0; i < 256; ++i)
          ASSERT_EQ(fast[i], ref[i]) << form.Name << " d " << std::hex << d[i] << " s " << s[i] << std::dec
                                     << " weight " << weight;
      }
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
      ref = d;
      kernels::CompositeRowReference(ref.data(), s.data(), 256);
      for (const auto& form : kernels::AvailableKernelForms()) {
        fast = d;
        form.Composite(fast.data(), s.data(), 256);
        for (size_t i = 0; i < 256; ++i)
          ASSERT_EQ(fast[i], ref[i]) << form.Name << " d " << std::hex << d[i] << " s " << s[i];
      }
    }
  }
}

TEST(Kernels, RowsOfEveryLengthAndOffset) {
  std::mt19937 rng(99);
  for (int count = 0; count < 27; ++count) {
    for (int offset = 0; offset < 4; ++offset) {
      std::vector<uint32_t> d(32), s(32);
      static_assert(27 + 4 < 32);
      for (auto& v : d) v = rng();
      for (auto& v : s) v = rng();
      const int weight = int(rng() % 256);
      auto b = d;
      kernels::BlendRowReference(b.data() + offset, s.data() + offset, count, weight);
      auto c = b;
      kernels::CompositeRowReference(c.data() + offset, s.data() + offset, count);
      std::vector<uint32_t> fill(32, 1);
      kernels::FillRow(fill.data() + offset, count, 0xABCDEF01u);
      for (int i = 0; i < 32; ++i) {
        const bool inside = i >= offset && i < offset + count;
        ASSERT_EQ(fill[size_t(i)], inside ? 0xABCDEF01u : 1u) << "fill " << count << " " << offset;
      }
      auto chosen = d;  // the form the processor was given at run time
      kernels::BlendRow(chosen.data() + offset, s.data() + offset, count, weight);
      ASSERT_EQ(chosen, b) << "chosen form " << count << " " << offset;
      kernels::CompositeRow(chosen.data() + offset, s.data() + offset, count);
      ASSERT_EQ(chosen, c) << "chosen form " << count << " " << offset;
      for (const auto& form : kernels::AvailableKernelForms()) {
        auto a = d;
        form.Blend(a.data() + offset, s.data() + offset, count, weight);
        ASSERT_EQ(a, b) << form.Name << " " << count << " " << offset;
        form.Composite(a.data() + offset, s.data() + offset, count);
        ASSERT_EQ(a, c) << form.Name << " " << count << " " << offset;
      }
    }
  }
}

}  // namespace
}  // namespace vorlan::paint
