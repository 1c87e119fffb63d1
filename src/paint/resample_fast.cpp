#include <algorithm>
#include <vector>

#include "paint/resample_kernels.h"

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

void ResampleRows(const TBitmap32& src, TBitmap32& dst, const TContributions& c) { ResampleRowsReference(src, dst, c); }

#endif

#if defined(__SSE2__)

namespace {

// Adds pair × (packed weights) of two source rows into the int32 sums of
// every byte.
void AddRowPair(int32_t* sums, const uint8_t* r0, const uint8_t* r1, size_t bytes, int32_t packed) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i w = _mm_set1_epi32(packed);
  size_t i = 0;
  for (; i + 16 <= bytes; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(r0 + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(r1 + i));
    const __m128i lo = _mm_unpacklo_epi8(a, b), hi = _mm_unpackhi_epi8(a, b);
    const __m128i parts[4] = {_mm_unpacklo_epi8(lo, zero), _mm_unpackhi_epi8(lo, zero), _mm_unpacklo_epi8(hi, zero),
                              _mm_unpackhi_epi8(hi, zero)};
    for (int k = 0; k < 4; ++k) {
      auto* at = reinterpret_cast<__m128i*>(sums + i + size_t(k) * 4);
      _mm_storeu_si128(at, _mm_add_epi32(_mm_loadu_si128(at), _mm_madd_epi16(parts[k], w)));
    }
  }
  const auto w0 = int32_t(int16_t(uint16_t(packed))), w1 = int32_t(int16_t(uint16_t(uint32_t(packed) >> 16)));
  for (; i < bytes; ++i) sums[i] += w0 * r0[i] + w1 * r1[i];
}

}  // namespace

// Row by row: pairs of contributing source rows are added into one
// accumulator row, the weights split as in the horizontal pass.
void ResampleColumns(const TBitmap32& src, TBitmap32& dst, const TContributions& c) {
  const TapPairs pairs = PairTaps(c);
  const size_t bytes = static_cast<size_t>(dst.Width()) * 4;
  std::vector<int32_t> lo(bytes), hi(bytes);
  for (int32_t y = 0; y < dst.Height(); ++y) {
    std::fill(lo.begin(), lo.end(), 0);
    std::fill(hi.begin(), hi.end(), 0);
    for (int32_t k = pairs.Start[size_t(y)]; k < pairs.Start[size_t(y) + 1]; ++k) {
      const auto* r0 = reinterpret_cast<const uint8_t*>(src.Row(pairs.Index0[size_t(k)]));
      const auto* r1 = reinterpret_cast<const uint8_t*>(src.Row(pairs.Index1[size_t(k)]));
      AddRowPair(lo.data(), r0, r1, bytes, pairs.Lo[size_t(k)]);
      if (pairs.AnyHi) AddRowPair(hi.data(), r0, r1, bytes, pairs.Hi[size_t(k)]);
    }
    auto* d = reinterpret_cast<uint8_t*>(dst.Row(y));
    for (size_t i = 0; i < bytes; ++i) {
      // Wrapping arithmetic: the true sum fits 32 bits.
      const auto sum = int32_t(uint32_t(lo[i]) + (uint32_t(hi[i]) << 16));
      d[i] = static_cast<uint8_t>(SumToByte(sum));
    }
  }
}

#else

void ResampleColumns(const TBitmap32& src, TBitmap32& dst, const TContributions& c) {
  ResampleColumnsReference(src, dst, c);
}

#endif

}  // namespace vorlan::paint
