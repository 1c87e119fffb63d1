#include "skin/controls/widgets/skin_label.h"

#include <algorithm>

#include "paint/bitmap_gdi_win.h"
#include "paint/disabled_look.h"
#include "platform/ascii.h"
#include "platform/handle_win.h"
#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/core/font_owner.h"
#include "skin/controls/text/skin_text_draw.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/section.h"
#include "ui/win_control.h"

namespace vorlan::skin {
namespace {

constexpr std::u16string_view kEllipsis = u"...";

bool SkinActive(const TSkinManager* manager) {
  return manager != nullptr && manager->Active() && manager->Skin.CommonSkinData.Active && !manager->SkinRemoving();
}

// A text that is nothing but the accelerator mark would draw nothing.
bool OnlyAccelMark(std::u16string_view text) { return text == u"&"; }

UINT EllipsisFlag(TEllipsisPosition position) {
  switch (position) {
    case TEllipsisPosition::epPathEllipsis:
      return DT_PATH_ELLIPSIS;
    case TEllipsisPosition::epEndEllipsis:
      return DT_END_ELLIPSIS;
    case TEllipsisPosition::epWordEllipsis:
      return DT_WORD_ELLIPSIS;
    case TEllipsisPosition::epNone:
      break;
  }
  return 0;
}

int TextHeight(HDC dc, std::u16string_view text, const RECT& rect, UINT flags) {
  RECT box = rect;
  DrawTextW(dc, text, box, flags | DT_CALCRECT);
  return box.bottom - box.top;
}

}  // namespace

TSkinManager* TSkinCustomLabel::SkinManager() const { return FSkinManager ? FSkinManager : DefaultManager(); }

void TSkinCustomLabel::SetSkinSection(std::u16string_view value) {
  std::u16string upper = platform::AsciiUpperCopy(value);
  if (upper == FSkinSection) return;
  FSkinSection = std::move(upper);
  Invalidate();
}

void TSkinCustomLabel::SetShowAccelChar(bool value) {
  FShowAccelChar = value;
  Invalidate();
}

void TSkinCustomLabel::SetWordWrap(bool value) {
  FWordWrap = value;
  Invalidate();
}

void TSkinCustomLabel::SetEllipsisPosition(TEllipsisPosition value) {
  FEllipsisPosition = value;
  Invalidate();
}

paint::TColor TSkinCustomLabel::TextColor() {
  const TSkinManager* manager = SkinManager();
  if (SkinActive(manager) && manager->IsValidSkinIndex(FSkinIndex)) {
    return manager->Skin.gd[static_cast<std::size_t>(FSkinIndex)].Props[0].FontColor.Color;
  }
  return Font().Color();
}

void TSkinCustomLabel::Paint(HDC dc) {
  const TSkinManager* manager = SkinManager();
  if (!SkinActive(manager)) {
    ui::TLabel::Paint(dc);
    return;
  }
  FSkinIndex = FSkinSection.empty() ? -1 : manager->GetSkinIndex(FSkinSection);
  if (manager->IsValidSkinIndex(FSkinIndex) && Width() > 0 && Height() > 0) {
    // The section goes over what the parent has painted under the label.
    paint::TBitmap32 behind(Width(), Height());
    paint::TBitmap32 picture(Width(), Height());
    {
      const platform::UniqueMemoryDc memory(CreateCompatibleDC(dc));
      const platform::SelectGuard select(memory.get(), static_cast<HBITMAP>(behind.NativeHandle()));
      BitBlt(memory.get(), 0, 0, Width(), Height(), dc, 0, 0, SRCCOPY);
      GdiFlush();
    }
    PaintSection(manager->Skin, FSkinIndex, paint::MakeCacheInfo(&behind, 0, 0), 0, picture.Bounds(), {0, 0}, picture);
    paint::ShowBitmap(dc, {0, 0}, picture);
  }
  RECT rect = ClientRect();
  UINT flags = DT_LEFT | DT_TOP | DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE);
  DoDrawText(dc, rect, flags);
  FSkinIndex = -1;
}

std::u16string TSkinCustomLabel::TextToDraw(HDC dc, const RECT& rect, UINT flags) const {
  std::u16string text = Caption();
  if (text.empty() || (FShowAccelChar && OnlyAccelMark(text))) return u" ";
  if (!FWordWrap || FEllipsisPosition == TEllipsisPosition::epNone || AutoSize()) return text;
  // A wrapped text loses words from its end until it fits the height.
  const int lineHeight = TextHeight(dc, u"Wg", rect, flags);
  const int limit = std::max(static_cast<int>(rect.bottom - rect.top), lineHeight);
  std::u16string shortened = text;
  while (TextHeight(dc, shortened, rect, flags) > limit) {
    const std::size_t cut = text.find_last_of(u" \t", text.size() - 1);
    if (cut == std::u16string::npos || cut == 0) break;
    text.resize(cut);
    shortened = text + std::u16string(kEllipsis);
  }
  return shortened;
}

void TSkinCustomLabel::DoDrawText(HDC dc, RECT& rect, UINT flags) {
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  if (!SkinActive(SkinManager())) {
    ui::TLabel::Paint(dc);
    return;
  }
  const platform::SelectGuard font(dc, Font().Handle());
  if (!FWordWrap && !AutoSize()) flags |= EllipsisFlag(FEllipsisPosition);
  const std::u16string text = TextToDraw(dc, rect, flags);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, paint::ToColorRef(TextColor()));
  DrawTextW(dc, text, rect, flags);
}

void TSkinCustomLabel::WndProc(ui::TMessage& message) {
  switch (message.Msg) {
    case SM_ALPHACMD:
      if (CommandOf(message) == scGetFontOwner) {
        // The label has no section of its own: its parent answers.
        message.Result = Parent() ? SendSkinCommandTo(Parent(), scGetFontOwner, message.LParam) : 0;
        return;
      }
      break;
    case platform::CM_MOUSEENTER:
      if (OnMouseEnter) OnMouseEnter(*this);
      break;
    case platform::CM_MOUSELEAVE:
      if (OnMouseLeave) OnMouseLeave(*this);
      break;
    default:
      break;
  }
  ui::TLabel::WndProc(message);
}

void TSkinLabel::SetUseSkinColor(bool value) {
  FUseSkinColor = value;
  Invalidate();
}

paint::TColor TSkinLabel::TextColor() {
  const TSkinManager* manager = SkinManager();
  if (!FUseSkinColor || !SkinActive(manager)) return Font().Color();
  const std::int32_t owner = AskFontOwner(*this);
  paint::TColor color = manager->IsValidSkinIndex(owner)
                            ? manager->Skin.gd[static_cast<std::size_t>(owner)].Props[0].FontColor.Color
                            : manager->GetGlobalFontColor();
  if (!Enabled())
    color = paint::MixColors(paint::ResolveColor(color), ParentColor(Parent()), paint::kDefaultDisabledBlend);
  return color;
}

}  // namespace vorlan::skin
