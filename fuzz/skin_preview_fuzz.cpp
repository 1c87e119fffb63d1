// The skin preview record as another process may send it: taken or ignored,
// never read past a field, and the options text it carries always readable.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "skin/data/ansi_text.h"
#include "skin/data/preview_data.h"
#include "skin/data/skin_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorlan::skin;
  const auto record = ParsePreviewData(std::span(data, size));
  if (!record) return 0;
  if (size < kPreviewDataSize || record->Magic != kPreviewMagic) std::abort();
  if (FieldText(record->SkinName).size() > kPreviewNameSize || FieldText(record->SkinDir).size() > kPreviewDirSize ||
      FieldText(record->Data).size() > kPreviewTextSize) {
    std::abort();
  }
  const auto bytes = PreviewDataBytes(*record);
  if (!std::equal(bytes.begin(), bytes.end(), data)) std::abort();
  (void)AnsiToUtf16(FieldText(record->SkinName));
  (void)AnsiToUtf16(FieldText(record->SkinDir));
  const std::string_view text = FieldText(record->Data);
  (void)TSkinOptions::FromBytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  return 0;
}
