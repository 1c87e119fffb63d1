// Options reading and both loading passes over any options text, with no
// images: everything either loads or fails with a conversion error.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/error.h"
#include "skin/data/skin_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const vorlan::skin::TSkinOptions options = vorlan::skin::TSkinOptions::FromBytes(std::span(data, size));
  vorlan::skin::TLoadedSkin skin;
  vorlan::skin::TSkinLoadSource source;
  source.Options = &options;
  source.CommonSections = &options;
  try {
    vorlan::skin::LoadAllMasks(skin, source);
    vorlan::skin::LoadAllGeneralData(skin, source);
  } catch (const vorlan::Error&) {
  }
  return 0;
}
