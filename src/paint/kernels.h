#pragma once

#include <cstdint>
#include <vector>

// Row kernels of the hot blends. The reference forms read like the
// arithmetic; the fast forms (SIMD where the machine has it) must give the
// same bytes, which the tests prove.
namespace vorlan::paint::kernels {

void FillRow(uint32_t* dst, int32_t count, uint32_t value);

// Each of B, G, R, A: d := ((d − s) × weight + s × 256) >> 8.
void BlendRow(uint32_t* dst, const uint32_t* src, int32_t count, int weight);
void BlendRowReference(uint32_t* dst, const uint32_t* src, int32_t count, int weight);

// Per-pixel alpha: B, G, R: d := ((s − d) × sA + d × 256) >> 8; when sA ≠ 0
// dA := dA + ((255 − dA) × sA >> 8).
void CompositeRow(uint32_t* dst, const uint32_t* src, int32_t count);
void CompositeRowReference(uint32_t* dst, const uint32_t* src, int32_t count);

// The fixed-width forms behind BlendRow and CompositeRow, for tests that
// prove each of them; a form the machine lacks falls back to the reference.
using BlendRowKernel = void (*)(uint32_t*, const uint32_t*, int32_t, int);
using CompositeRowKernel = void (*)(uint32_t*, const uint32_t*, int32_t);
struct TKernelForm {
  const char* Name;
  BlendRowKernel Blend;
  CompositeRowKernel Composite;
};
// The forms this processor can run (the SSE2 form wherever it has SSE2).
std::vector<TKernelForm> AvailableKernelForms();

// One composite step on a pixel, shared by the routines that decide per pixel.
uint32_t CompositePixel(uint32_t d, uint32_t s);

}  // namespace vorlan::paint::kernels
