#include "paint/kernels.h"
#include "paint/kernels_avx2.h"

#include <algorithm>
#include <cstdint>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <emmintrin.h>
#define VORLAN_HAVE_SSE2_KERNELS 1
#endif

namespace vorlan::paint::kernels {

#if defined(VORLAN_HAVE_SSE2_KERNELS)

// Every x86-64 processor has SSE2; a 32-bit build for plain i686 (the
// shipping one) asks the processor at run time.
#define VORLAN_SSE2 __attribute__((target("sse2")))

namespace {

bool Sse2Available() {
#if defined(__SSE2__)
  return true;
#else
  static const bool available = __builtin_cpu_supports("sse2");
  return available;
#endif
}

// Two pixels' channels widened to 16 bits each.
VORLAN_SSE2 inline __m128i Lo(__m128i v) { return _mm_unpacklo_epi8(v, _mm_setzero_si128()); }
VORLAN_SSE2 inline __m128i Hi(__m128i v) { return _mm_unpackhi_epi8(v, _mm_setzero_si128()); }

// ((d − s) × w + s × 256) >> 8 on 16-bit lanes. (d − s) × w + s × 256 lies in
// 0..65535, so it is computed modulo 2^16 and shifted logically.
VORLAN_SSE2 inline __m128i Weigh(__m128i d, __m128i s, __m128i w) {
  const __m128i diff = _mm_sub_epi16(d, s);
  return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(diff, w), _mm_slli_epi16(s, 8)), 8);
}

VORLAN_SSE2 void BlendRowSse2(uint32_t* dst, const uint32_t* src, int32_t count, int weight) {
  const __m128i w = _mm_set1_epi16(static_cast<int16_t>(weight));
  int32_t i = 0;
  for (; i + 4 <= count; i += 4) {
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    const __m128i lo = Weigh(Lo(d), Lo(s), w);
    const __m128i hi = Weigh(Hi(d), Hi(s), w);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_packus_epi16(lo, hi));
  }
  BlendRowReference(dst + i, src + i, count - i, weight);
}

// Per 16-bit lane: each pixel's alpha repeated over its four lanes.
VORLAN_SSE2 inline __m128i SpreadAlpha(__m128i pixels16) {
  const __m128i a = _mm_shufflelo_epi16(pixels16, _MM_SHUFFLE(3, 3, 3, 3));
  return _mm_shufflehi_epi16(a, _MM_SHUFFLE(3, 3, 3, 3));
}

// The alpha lane rides along with the colours: with the source alpha lane
// set to 255, ((255 − dA) × sA + dA × 256) >> 8 is exactly
// dA + ((255 − dA) × sA >> 8), and it leaves dA when sA = 0.
VORLAN_SSE2 void CompositeRowSse2(uint32_t* dst, const uint32_t* src, int32_t count) {
  const __m128i alpha_byte = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  int32_t i = 0;
  for (; i + 4 <= count; i += 4) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(s, alpha_byte), _mm_setzero_si128())) == 0xFFFF) {
      continue;  // all four transparent: nothing changes
    }
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i s_opaque = _mm_or_si128(s, alpha_byte);
    const __m128i lo = Weigh(Lo(s_opaque), Lo(d), SpreadAlpha(Lo(s)));
    const __m128i hi = Weigh(Hi(s_opaque), Hi(d), SpreadAlpha(Hi(s)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_packus_epi16(lo, hi));
  }
  CompositeRowReference(dst + i, src + i, count - i);
}

}  // namespace

void BlendRow(uint32_t* dst, const uint32_t* src, int32_t count, int weight) {
  if (avx2::Available()) {
    avx2::BlendRow(dst, src, count, weight);
  } else if (Sse2Available()) {
    BlendRowSse2(dst, src, count, weight);
  } else {
    BlendRowReference(dst, src, count, weight);
  }
}

void CompositeRow(uint32_t* dst, const uint32_t* src, int32_t count) {
  if (avx2::Available()) {
    avx2::CompositeRow(dst, src, count);
  } else if (Sse2Available()) {
    CompositeRowSse2(dst, src, count);
  } else {
    CompositeRowReference(dst, src, count);
  }
}

std::vector<TKernelForm> AvailableKernelForms() {
  std::vector<TKernelForm> forms;
  if (Sse2Available()) forms.push_back({"sse2", BlendRowSse2, CompositeRowSse2});
  if (avx2::Available()) forms.push_back({"avx2", avx2::BlendRow, avx2::CompositeRow});
  return forms;
}

#else

void BlendRow(uint32_t* dst, const uint32_t* src, int32_t count, int weight) {
  BlendRowReference(dst, src, count, weight);
}
void CompositeRow(uint32_t* dst, const uint32_t* src, int32_t count) { CompositeRowReference(dst, src, count); }

std::vector<TKernelForm> AvailableKernelForms() {
  std::vector<TKernelForm> forms;
  if (avx2::Available()) forms.push_back({"avx2", avx2::BlendRow, avx2::CompositeRow});
  return forms;
}

#endif

// Wide stores pay off only with AVX2; otherwise the library's fill is as good.
void FillRow(uint32_t* dst, int32_t count, uint32_t value) {
  if (avx2::Available()) {
    avx2::FillRow(dst, count, value);
  } else {
    std::fill_n(dst, count, value);
  }
}

}  // namespace vorlan::paint::kernels
