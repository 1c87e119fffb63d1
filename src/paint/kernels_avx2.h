#pragma once

#include <cstdint>

// The row kernels on 256-bit registers, for processors that have AVX2
// (checked at run time); same bytes as the reference kernels.
namespace vorlan::paint::kernels::avx2 {

bool Available();
void FillRow(uint32_t* dst, int32_t count, uint32_t value);
void BlendRow(uint32_t* dst, const uint32_t* src, int32_t count, int weight);
void CompositeRow(uint32_t* dst, const uint32_t* src, int32_t count);

}  // namespace vorlan::paint::kernels::avx2
