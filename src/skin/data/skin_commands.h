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
  scUpdateDone = 6,
  scIsSkinned = 7,
  scSetUpdating = 8,
  scGetSkinSection = 9,  // a control's own section index + 1
  scIsNotReady = 10,
  scGetHalfVisible = 11,
  scGetAdapter = 12,
  scSectionChanged = 13,
  scSetSection = 15,
  scStopAnimation = 16,
  scBgChanged = 17,
  scInvalidate = 18,
  scChildMoved = 19,
  scRepaintIfMoved = 20,
  scGetBgColor = 21,
  scSetHalfVisible = 22,
  scPrepareCache = 23,
  scControlAdded = 25,  // a windowed control announces itself to its form
  scGetSkinIndexInto = 26,
  scMouseEnter = 29,
  scMouseLeave = 30,
  scBeginUpdate = 31,
  scEndUpdate = 32,
  scResetCache = 33,
  scGetBackground = 34,
  scGetCtrlState = 36,
  scGetSkinData = 37,
  scSetPrintDC = 38,
  scPaintOuterEffect = 40,
  scFrameChanged = 53,
  scGetApplication = 60,
  scGetFontOwner = 66,
  scGetBounds = 70,
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
