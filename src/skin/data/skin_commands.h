#pragma once

#include <cstdint>

#include "platform/program_messages.h"

// The skin command message (SM_ALPHACMD): the command code in the high word
// of WParam (low word 0), an argument in LParam.
namespace vorlan::skin {

using platform::SM_ALPHACMD;
using platform::SM_INVALIDATE_ALL;

enum TSkinCommand : std::uint16_t {
  scPrepareSkin = 1,
  scRemoveSkin = 2,
  scRefreshSkin = 3,
  scGetProvider = 4,
  scIsSkinned = 7,
  scSectionChanged = 13,
  scStopAnimation = 16,
  scInvalidate = 18,
  scMouseEnter = 29,
  scMouseLeave = 30,
  scGetBackground = 34,
  scGetSkinData = 37,
  scFrameChanged = 53,
  scPreviewSkin = 71,
};

struct TSkinMessage {
  std::uint32_t Msg = SM_ALPHACMD;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;

  TSkinCommand Command() const { return static_cast<TSkinCommand>((WParam >> 16) & 0xFFFF); }
};

constexpr std::uintptr_t MakeSkinWParam(TSkinCommand command) { return static_cast<std::uintptr_t>(command) << 16; }

inline TSkinMessage MakeSkinMessage(TSkinCommand command, std::intptr_t lparam) {
  return {SM_ALPHACMD, MakeSkinWParam(command), lparam};
}

}  // namespace vorlan::skin
