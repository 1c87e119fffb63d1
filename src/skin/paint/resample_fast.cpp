#include <algorithm>
#include <vector>

#include "skin/paint/resample_kernels.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vorlan::paint {

#if defined(__SSE2__)

namespace {

// The taps of one pass regrouped in pairs for pmaddwd. Each 32-bit weight w
// is split exactly as w = hi × 65536 + lo with lo a signed 16-bit value, and
// the two taps' halves are packed into one 32-bit word each.
struct TapPairs {
  std::vector<int32_t> Start;  // per output: first pair
  std::vector<int32_t> Index0, Index1;
  std::vector<int32_t> Lo, Hi;  // packed (tap 0 in the low half, tap 1 in the high half)
  bool AnyHi = false;
};

int32_t Pack16(int32_t a, int32_t b) { return int32_t(uint32_t(uint16_t(a)) | uint32_t(uint16_t(b)) << 16); }

TapPairs PairTaps(const TContributions& c) {
  TapPairs p;
  const size_t outputs = c.Start.size() - 1;
  for (size_t o = 0; o < outputs; ++o) {
    p.Start.push_back(int32_t(p.Index0.size()));
    for (int32_t k = c.Start[o]; k < c.Start[o + 1]; k += 2) {
      const bool single = k + 1 >= c.Start[o + 1];
      const int32_t w0 = c.Weight[size_t(k)];
      const int32_t w1 = single ? 0 : c.Weight[size_t(k) + 1];
      const auto lo0 = int16_t(uint16_t(w0)), lo1 = int16_t(uint16_t(w1));
      const int32_t hi0 = (w0 - lo0) >> 16, hi1 = (w1 - lo1) >> 16;
      p.Index0.push_back(c.Index[size_t(k)]);
      p.Index1.push_back(single ? c.Index[size_t(k)] : c.Index[size_t(k) + 1]);
      p.Lo.push_back(Pack16(lo0, lo1));
      p.Hi.push_back(Pack16(hi0, hi1));
      p.AnyHi = p.AnyHi || hi0 != 0 || hi1 != 0;
    }
  }
  p.Start.push_back(int32_t(p.Index0.size()));
  return p;
}

uint32_t PackSums(__m128i sums) {
  alignas(16) int32_t s[4];
  _mm_store_si128(reinterpret_cast<__m128i*>(s), sums);
  return SumToByte(s[0]) | SumToByte(s[1]) << 8 | SumToByte(s[2]) << 16 | SumToByte(s[3]) << 24;
}

template <bool kAnyHi>
void RowsWithPairs(const TBitmap32& src, TBitmap32& dst, const TapPairs& p) {
  const __m128i zero = _mm_setzero_si128();
  for (int32_t y = 0; y < dst.Height(); ++y) {
    const uint32_t* s = src.Row(y);
    uint32_t* d = dst.Row(y);
    for (int32_t x = 0; x < dst.Width(); ++x) {
      __m128i lo = zero, hi = zero;
      for (int32_t k = p.Start[size_t(x)]; k < p.Start[size_t(x) + 1]; ++k) {
        const __m128i a = _mm_cvtsi32_si128(int(s[p.Index0[size_t(k)]]));
        const __m128i b = _mm_cvtsi32_si128(int(s[p.Index1[size_t(k)]]));
        // Lanes b0 b1 g0 g1 r0 r1 a0 a1: pmaddwd gives one sum per channel.
        const __m128i pair = _mm_unpacklo_epi8(_mm_unpacklo_epi8(a, b), zero);
        lo = _mm_add_epi32(lo, _mm_madd_epi16(pair, _mm_set1_epi32(p.Lo[size_t(k)])));
        if constexpr (kAnyHi) hi = _mm_add_epi32(hi, _mm_madd_epi16(pair, _mm_set1_epi32(p.Hi[size_t(k)])));
      }
      // The true sum fits 32 bits, so the wrapping additions give it exactly.
      d[x] = PackSums(kAnyHi ? _mm_add_epi32(lo, _mm_slli_epi32(hi, 16)) : lo);
    }
  }
}

}  // namespace

void ResampleRows(const TBitmap32& src, TBitmap32& dst, const TContributions& c) {
  const TapPairs pairs = PairTaps(c);
  if (pairs.AnyHi) {
    RowsWithPairs<true>(src, dst, pairs);
  } else {
    RowsWithPairs<false>(src, dst, pairs);
  }
}

#else

void ResampleRows(const TBitmap32& src, TBitmap32& dst, const TContributions& c) {
  ResampleRowsReference(src, dst, c);
}

#endif

// Row by row: every contributing source row is added into one accumulator
// row, which keeps the reads sequential.
void ResampleColumns(const TBitmap32& src, TBitmap32& dst, const TContributions& c) {
  const auto width = static_cast<size_t>(dst.Width());
  std::vector<int32_t> sums(width * 4);
  for (int32_t y = 0; y < dst.Height(); ++y) {
    std::fill(sums.begin(), sums.end(), 0);
    for (int32_t k = c.Start[size_t(y)]; k < c.Start[size_t(y) + 1]; ++k) {
      const auto* s = reinterpret_cast<const uint8_t*>(src.Row(c.Index[size_t(k)]));
      const int32_t w = c.Weight[size_t(k)];
      for (size_t i = 0; i < width * 4; ++i) sums[i] += w * s[i];
    }
    auto* d = reinterpret_cast<uint8_t*>(dst.Row(y));
    for (size_t i = 0; i < width * 4; ++i) d[i] = static_cast<uint8_t>(SumToByte(sums[i]));
  }
}

}  // namespace vorlan::paint
