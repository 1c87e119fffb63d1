// Package reading: any bytes either load or fail with the reader's errors.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/error.h"
#include "skin/data/skin_package.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vorlan::skin::MemoryStream packed(std::vector<std::uint8_t>(data, data + size));
  vorlan::skin::TSkinConvertor convertor;
  convertor.PackedData = &packed;
  try {
    vorlan::skin::LoadSkinPackage(convertor, [](std::u16string_view) {});
  } catch (const vorlan::Error&) {
  }
  convertor.PackedData = nullptr;
  return 0;
}
