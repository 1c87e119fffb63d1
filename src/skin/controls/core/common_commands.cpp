#include <string_view>

#include "platform/ascii.h"
#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/base/window_queries.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/core/common_handlers.h"
#include "skin/controls/core/control_seams.h"
#include "skin/controls/core/font_owner.h"
#include "skin/data/class_codes.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/border_geometry.h"
#include "skin/draw/image_entry.h"
#include "ui/application.h"
#include "ui/label.h"
#include "ui/win_control.h"

namespace vorlan::skin {
namespace {

std::uint16_t LowWord(const ui::TMessage& message) { return LowWordOf(message); }

void EmptyCache(TSkinCommonData& data) {
  if (data.FCacheBmp) *data.FCacheBmp = paint::TBitmap32();
}

void PrepareSkin(TSkinCommonData& data) {
  StopAnimation(data);
  if (data.FSkinSection.empty()) {
    if (const auto fixed = DefaultSectionOf(data.COC)) data.FSkinSection = *fixed;
  }
  data.UpdateIndexes(true);
  EmptyCache(data);
  UpdateCtrlSkinState(data);
}

void RemoveSkin(TSkinCommonData& data) {
  StopAnimation(data);
  // A manager that is going away must not be reached through the data later.
  if (data.FSkinManager != nullptr && data.FSkinManager->Destroying()) data.FSkinManager = nullptr;
  data.BorderIndex = data.SkinIndex = data.Texture = data.HotTexture = -1;
  data.FUpdating = true;
  EmptyCache(data);
  ui::TControl* target = data.Target();
  if (target == nullptr) return;
  if (IsStateColorClass(data.COC)) {
    // Back to the system's look of an edit box.
    if (!data.FCustomColor) target->SetColor(ui::clWindow);
    if (!data.FCustomFont && target->Font().Color() != ui::clWindowText) {
      ui::TFont font = target->Font();
      font.SetColor(ui::clWindowText);
      target->SetFont(font);
    }
    if (const HWND window = data.OwnerHandle()) {
      RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
  } else if (auto* container = dynamic_cast<ui::TWinControl*>(target)) {
    for (ui::TControl* child : container->Controls()) {
      auto* label = dynamic_cast<ui::TLabel*>(child);
      if (label == nullptr || label->Font().Color() == ui::clWindowText) continue;
      ui::TFont font = label->Font();
      font.SetColor(ui::clWindowText);
      label->SetFont(font);
    }
  }
}

void RefreshSkin(TSkinCommonData& data) {
  StopAnimation(data);
  data.BGChanged = true;
  data.FUpdating = false;
  SyncControlColors(data, true);
  UpdateCtrlSkinState(data);
  if (IsFrameOnRefreshClass(data.COC)) {
    if (const HWND window = data.OwnerHandle()) SetWindowPos(window, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
  }
}

void UpdateDone(TSkinCommonData& data) {
  const HWND window = data.OwnerHandle();
  if (window == nullptr || !ParentUpdateEnded(data)) return;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

std::intptr_t IsNotReady(TSkinCommonData& data) {
  if (data.Updating()) return 1;
  const ui::TControl* target = data.Target();
  if (target == nullptr || !data.NeedsCache() || data.FCustomColor) return 0;
  if (!data.FCacheBmp || data.FCacheBmp->Empty()) {
    PerformSkinCommand(*data.Target(), scPrepareCache);
    return !data.FCacheBmp || data.FCacheBmp->Empty() ? 1 : 0;
  }
  return CacheFits(data, target->Width(), target->Height()) ? 0 : 1;
}

// Each channel own + (T × (parent − own) >> 8), floor division.
TColor MixByTransparency(TColor own, TColor parent, std::int32_t t) {
  std::uint32_t mixed = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int o = (own >> shift) & 0xFF;
    const int p = (parent >> shift) & 0xFF;
    const int channel = o + ((t * (p - o)) >> 8);
    mixed |= static_cast<std::uint32_t>(channel & 0xFF) << shift;
  }
  return static_cast<TColor>(mixed);
}

TColor ParentAnswerColor(ui::TControl& parent) {
  if (IsSkinCommandTrue(&parent, scIsSkinned)) {
    return static_cast<TColor>(PerformSkinCommand(parent, scGetBgColor, paint::kKeyColor));
  }
  return paint::ResolveColor(parent.Color());
}

TColor ColorForChildren(const TSkinCommonData& data) {
  ui::TControl* target = data.Target();
  const TColor own = paint::ResolveColor(target ? target->Color() : ui::clBtnFace);
  if (!data.Skinned()) return own;
  const TSkinGenState& props = *data.StateProps(0);
  const TColor color = paint::ResolveColor(props.Color);
  const std::int32_t t = props.Transparency;
  if (t <= 0) return color;
  ui::TWinControl* parent = target ? target->Parent() : nullptr;
  if (t >= 100) return parent ? ParentAnswerColor(*parent) : own;
  return MixByTransparency(color, parent ? ParentAnswerColor(*parent) : color, t);
}

std::intptr_t CtrlState(TSkinCommonData& data, LPARAM lparam) {
  if (lparam == 1) {
    UpdateCtrlSkinState(data, true);
  } else if ((data.CtrlSkinState & kCtrlStateUndetermined) != 0) {
    UpdateCtrlSkinState(data);
  }
  return data.CtrlSkinState;
}

std::intptr_t FontOwner(TSkinCommonData& data, TFontOwnerQuery* query) {
  if (query == nullptr || !data.Skinned()) return 0;
  const TSkinGeneralData& section = *data.Section();
  const TImageEntry border = SkinImage(data.SkinManager()->Skin, data.BorderIndex);
  const bool fillsCentre = border && (border.M().DrawMode & kBorderFillCentre) != 0;
  ui::TControl* target = data.Target();
  if (section.Props[0].Transparency > 50 && target && target->Parent() && !fillsCentre) {
    OffsetRect(&query->R, target->Left(), target->Top());
    return Perform<scGetFontOwner>(*target->Parent(), query);
  }
  if (!section.GiveOwnFont) return 0;
  query->SkinIndex = data.SkinIndex;
  return 1;
}

void FrameChanged(TSkinCommonData& data, const ui::TMessage& message) {
  const HWND window = data.OwnerHandle();
  if (window == nullptr) return;
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               kFrameChangedFlags | SWP_NOCOPYBITS | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
  PerformSkinCommandOnChildren(*data.Target(), scFrameChanged, message.LParam, 0, true);
}

void RepaintIfMovedCommand(TSkinCommonData& data, const ui::TMessage& message) {
  data.BGChanged = data.RepaintIfMoved();
  if (!data.BGChanged) return;
  if (const HWND window = data.OwnerHandle(); window != nullptr && LowWord(message) == 1) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_NOINTERNALPAINT | RDW_NOERASE | RDW_ALLCHILDREN);
  }
  if (data.Target() != nullptr) PerformSkinCommandOnChildren(*data.Target(), scRepaintIfMoved, 0, LowWord(message));
}

std::int32_t BackgroundState(const TSkinCommonData& data) {
  return data.FFocused || (data.FMouseAbove && !IsNoHotBackgroundClass(data.COC)) ? 1 : 0;
}

}  // namespace

bool CacheFits(const TSkinCommonData& data, int width, int height) {
  return data.FCacheBmp && data.FCacheBmp->Width() == width && data.FCacheBmp->Height() == height;
}

bool ParentUpdateEnded(TSkinCommonData& data) {
  if (!data.FUpdating) return false;
  data.FUpdating = false;
  if (!data.Updating()) return true;
  data.FUpdating = true;  // a parent still makes its children wait
  return false;
}

bool FromOwnManager(const TSkinCommonData& data, const ui::TMessage& message) {
  return PayloadOf<scPrepareSkin>(message) == data.SkinManager();
}

bool CommonSkinCommand(ui::TMessage& message, TSkinCommonData& data) {
  switch (CommandOf(message)) {
    case scPrepareSkin:
      if (FromOwnManager(data, message)) PrepareSkin(data);
      return true;
    case scRemoveSkin:
      // Passed on: every layer of the window forgets the skin.
      if (FromOwnManager(data, message)) RemoveSkin(data);
      return false;
    case scRefreshSkin:
      if (FromOwnManager(data, message)) RefreshSkin(data);
      return true;
    case scUpdateDone:
      UpdateDone(data);
      return true;
    case scIsSkinned:
      message.Result = 1;
      return true;
    case scSetUpdating:
      data.FUpdating = LowWord(message) == 1;
      return true;
    case scIsNotReady:
      message.Result = IsNotReady(data);
      return true;
    case scGetHalfVisible:
      message.Result = data.HalfVisible ? 1 : 0;
      return true;
    case scSectionChanged:
      if (const char16_t* name = PayloadOf<scSectionChanged>(message);
          name != nullptr && platform::AsciiUpperCopy(std::u16string_view(name)) == data.FSkinSection) {
        data.Invalidate();
      }
      return true;
    case scSetSection: {
      const char16_t* name = PayloadOf<scSetSection>(message);
      if (name != nullptr) data.SetSkinSection(name);
      message.Result = name != nullptr ? 1 : 0;
      return true;
    }
    case scStopAnimation:
      StopAnimation(data);
      return true;
    case scBgChanged:
      data.BGChanged = true;
      return true;
    case scInvalidate:
      data.Invalidate();
      return true;
    case scChildMoved:
      message.Result = 1;
      return true;
    case scRepaintIfMoved:
      RepaintIfMovedCommand(data, message);
      return true;
    case scGetBgColor:
      message.Result = ColorForChildren(data);
      return true;
    case scSetHalfVisible:
      data.HalfVisible = true;
      return true;
    case scPrepareCache:
      data.BGChanged = false;
      return true;
    case scGetSkinIndexInto:
      // The same record as the font-owner question: its second integer.
      if (TFontOwnerQuery* query = PayloadOf<scGetSkinIndexInto>(message)) query->SkinIndex = data.SkinIndex;
      return true;
    case scResetCache:
      if (data.FCacheBmp) {
        if (data.Target() != nullptr) PerformSkinCommandOnChildren(*data.Target(), scResetCache, 0, 0, true);
        EmptyCache(data);
        data.BGChanged = true;
      }
      return true;
    case scGetBackground:
      if (TSkBgRequest* request = PayloadOf<scGetBackground>(message)) {
        AnswerBgRequest(data, *request, BackgroundState(data));
      }
      return true;
    case scGetCtrlState:
      message.Result = CtrlState(data, message.LParam);
      return true;
    case scGetSkinData:
      SetAnswer<scGetSkinData>(message, &data);
      return true;
    case scSetPrintDC:
      data.PrintDC = PayloadOf<scSetPrintDC>(message);
      if (data.PrintDC != nullptr) {
        data.CtrlSkinState |= kCtrlPrinting;
      } else {
        data.CtrlSkinState &= static_cast<std::uint16_t>(~kCtrlPrinting);
      }
      return true;
    case scPaintOuterEffect:
      if (TSkOuterRequest* request = PayloadOf<scPaintOuterEffect>(message)) PaintOuterEffect(data, *request);
      return true;
    case scFrameChanged:
      FrameChanged(data, message);
      return true;
    case scGetApplication:
      SetAnswer<scGetApplication>(message, &ui::Application());
      return true;
    case scGetFontOwner:
      message.Result = FontOwner(data, PayloadOf<scGetFontOwner>(message));
      return true;
    case scGetBounds:
      if (RECT* bounds = PayloadOf<scGetBounds>(message)) {
        *bounds = data.Target() ? data.Target()->BoundsRect() : RECT{};
      }
      return true;
    default:
      return false;
  }
}

}  // namespace vorlan::skin
