#include "paint/kernels_avx2.h"

#include <algorithm>

#include "paint/kernels.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define VORLAN_HAVE_AVX2_KERNELS 1
#endif

namespace vorlan::paint::kernels::avx2 {

#if defined(VORLAN_HAVE_AVX2_KERNELS)

#define VORLAN_AVX2 __attribute__((target("avx2")))

bool Available() {
  static const bool available = __builtin_cpu_supports("avx2");
  return available;
}

namespace {

// Within each 128-bit lane, like the SSE2 forms: widen, weigh, narrow back.
VORLAN_AVX2 inline __m256i Lo(__m256i v) { return _mm256_unpacklo_epi8(v, _mm256_setzero_si256()); }
VORLAN_AVX2 inline __m256i Hi(__m256i v) { return _mm256_unpackhi_epi8(v, _mm256_setzero_si256()); }

// ((a − b) × w + b × 256) >> 8 on 16-bit lanes; the sum lies in 0..65535.
VORLAN_AVX2 inline __m256i Weigh(__m256i a, __m256i b, __m256i w) {
  const __m256i diff = _mm256_sub_epi16(a, b);
  return _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(diff, w), _mm256_slli_epi16(b, 8)), 8);
}

VORLAN_AVX2 inline __m256i SpreadAlpha(__m256i pixels16) {
  const __m256i a = _mm256_shufflelo_epi16(pixels16, _MM_SHUFFLE(3, 3, 3, 3));
  return _mm256_shufflehi_epi16(a, _MM_SHUFFLE(3, 3, 3, 3));
}

}  // namespace

VORLAN_AVX2 void FillRow(uint32_t* dst, int32_t count, uint32_t value) {
  const __m256i v = _mm256_set1_epi32(static_cast<int>(value));
  int32_t i = 0;
  for (; i + 8 <= count; i += 8) _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), v);
  std::fill_n(dst + i, count - i, value);
}

VORLAN_AVX2 void BlendRow(uint32_t* dst, const uint32_t* src, int32_t count, int weight) {
  const __m256i w = _mm256_set1_epi16(static_cast<int16_t>(weight));
  int32_t i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + i));
    const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
    const __m256i lo = Weigh(Lo(d), Lo(s), w);
    const __m256i hi = Weigh(Hi(d), Hi(s), w);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), _mm256_packus_epi16(lo, hi));
  }
  BlendRowReference(dst + i, src + i, count - i, weight);
}

VORLAN_AVX2 void CompositeRow(uint32_t* dst, const uint32_t* src, int32_t count) {
  const __m256i alpha_byte = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
  int32_t i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
    if (_mm256_testz_si256(s, alpha_byte)) continue;  // all eight transparent
    const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + i));
    const __m256i s_opaque = _mm256_or_si256(s, alpha_byte);
    const __m256i lo = Weigh(Lo(s_opaque), Lo(d), SpreadAlpha(Lo(s)));
    const __m256i hi = Weigh(Hi(s_opaque), Hi(d), SpreadAlpha(Hi(s)));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), _mm256_packus_epi16(lo, hi));
  }
  CompositeRowReference(dst + i, src + i, count - i);
}

#else

bool Available() { return false; }
void FillRow(uint32_t* dst, int32_t count, uint32_t value) { std::fill_n(dst, count, value); }
void BlendRow(uint32_t* dst, const uint32_t* src, int32_t count, int weight) {
  BlendRowReference(dst, src, count, weight);
}
void CompositeRow(uint32_t* dst, const uint32_t* src, int32_t count) { CompositeRowReference(dst, src, count); }

#endif

}  // namespace vorlan::paint::kernels::avx2
