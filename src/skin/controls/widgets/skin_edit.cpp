#include "skin/controls/widgets/skin_edit.h"

#include "paint/bitmap_gdi_win.h"
#include "paint/colors.h"
#include "platform/handle_win.h"
#include "skin/controls/base/skin_flags.h"
#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/core/common_handlers.h"
#include "skin/controls/core/control_paint.h"
#include "skin/controls/text/skin_text.h"
#include "skin/data/class_codes.h"
#include "skin/data/skin_manager.h"

namespace vorlan::skin {
namespace {

// The share of the text colour in a hint's grey.
constexpr double kHintTextShare = 0.65;

constexpr UINT kFrameRedraw = RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN;

}  // namespace

TSkinEdit::TSkinEdit() : TSkinnedControl(kClassEdit) {
  HookOwnCommands([this](ui::TMessage& message) { return OwnCommand(message); });
}

TSkinEdit::~TSkinEdit() = default;

void TSkinEdit::SetDisabledKind(paint::TSkinDisabledKinds value) {
  FDisabledKind = value;
  FCommonData->Invalidate();
}

void TSkinEdit::SetPasswordChar(char16_t value) {
  FPasswordChar = value;
  if (HandleAllocated()) {
    const char16_t shown = value == kPasswordStar ? kPasswordCircle : value;
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, shown, 0);
  }
  FCommonData->Invalidate();
}

void TSkinEdit::SetTextHint(std::u16string value) {
  FTextHint = std::move(value);
  FCommonData->Invalidate();
}

int TSkinEdit::FrameWidth() const { return BorderStyle() == TEditBorderStyle::bsSingle ? (Ctl3D() ? 1 : 0) + 1 : 0; }

std::u16string TSkinEdit::DisplayText() const {
  std::u16string text = Text();
  if (FPasswordChar != 0) text.assign(text.size(), FPasswordChar == kPasswordStar ? kPasswordCircle : FPasswordChar);
  return text;
}

void TSkinEdit::CreateParams(ui::TCreateParams& params) {
  ui::TEdit::CreateParams(params);
  if (FPasswordChar != 0) params.Style |= ES_PASSWORD;
}

void TSkinEdit::HandleCreated() {
  ui::TEdit::HandleCreated();
  if (FPasswordChar != 0) SetPasswordChar(FPasswordChar);
}

bool TSkinEdit::EffectPlaying() const { return AnimationInProgress(); }

bool TSkinEdit::PrepareCache() {
  TSkinCommonData& data = *FCommonData;
  if (!data.Skinned()) return false;
  PrepareCacheBmp(data);
  paint::TBitmap32& cache = *data.FCacheBmp;
  if (cache.Empty()) return false;
  const std::int32_t state = ShouldBeHot(data) ? 1 : 0;
  if (!PaintControlSkinFromParent(data, *this, state, cache.Bounds(), {Left(), Top()}, cache, true)) return false;
  {
    const paint::TBitmapDC canvas(cache);
    PaintText(canvas.get());
    paint::TBitmapDC::Flush();
  }
  if (!Enabled()) {
    const paint::TDisabledLook look{FDisabledKind};
    paint::PaintDisabledLook(cache, look, ParentColor(Parent()), {Left(), Top()}, ParentCacheInfo(data));
  }
  data.BGChanged = false;
  return true;
}

void TSkinEdit::PaintText(HDC dc) {
  if (dc == nullptr) return;
  TSkinCommonData& data = *FCommonData;
  const int a = BorderStyle() == TEditBorderStyle::bsNone ? 0 : (Ctl3D() ? 1 : 0) + 1;
  const int s = BorderStyle() == TEditBorderStyle::bsSingle ? 1 : 0;
  RECT rect{a + s, a + s, Width() - a - s, Height() - a};
  if (HandleAllocated()) {
    // Where the platform's control puts the text while it has the focus.
    const auto margins = static_cast<DWORD>(SendMessageW(Handle(), EM_GETMARGINS, 0, 0));
    rect.left = FrameWidth() + LOWORD(margins) + s;
    rect.right = Width() - FrameWidth() - HIWORD(margins) - s;
  }
  constexpr UINT kFormat = DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP;
  const std::u16string text = DisplayText();
  const TTextCanvas canvas{dc, TTextFont::Of(Font())};
  if (!text.empty()) {
    WriteSkinText(canvas, text, Enabled(), ShouldBeHot(data) ? 1 : 0, data, kFormat, rect);
    return;
  }
  if (FTextHint.empty()) return;
  TTextCanvas hint = canvas;
  if (const TSkinGenState* props = data.StateProps(0); props != nullptr && !data.FCustomFont) {
    hint.Font.Color = paint::MixColors(props->FontColor.Color, paint::ResolveColor(props->Color), kHintTextShare);
  } else {
    hint.Font.Color = ui::clGrayText;
  }
  const platform::SavedDcState saved(dc);
  SetBkMode(dc, TRANSPARENT);
  RECT r = rect;
  DrawTextW(hint, FTextHint, r, kFormat);
}

void TSkinEdit::PaintFrame(HDC windowDc) {
  TSkinCommonData& data = *FCommonData;
  if (windowDc == nullptr || !data.FCacheBmp || data.FCacheBmp->Empty()) return;
  const int b = FrameWidth();
  if (b <= 0) return;
  const platform::SavedDcState saved(windowDc);
  ExcludeClipRect(windowDc, b, b, Width() - b, Height() - b);
  paint::ShowBitmap(windowDc, {0, 0}, *data.FCacheBmp);
}

void TSkinEdit::PaintClient(HDC clientDc) {
  TSkinCommonData& data = *FCommonData;
  if (clientDc == nullptr) return;
  const bool fresh = data.BGChanged && PrepareCache();
  if (!data.FCacheBmp || data.FCacheBmp->Empty()) return;
  const int b = FrameWidth();
  paint::ShowBitmap(clientDc, {0, 0}, *data.FCacheBmp, paint::MakeRect(b, b, Width() - 2 * b, Height() - 2 * b));
  // A frame painted before the parent's picture was ready showed nothing.
  if (fresh) PaintFrame(platform::WholeWindowDc(Handle()).get());
}

void TSkinEdit::RepaintAll() {
  if (!HandleAllocated()) return;
  FCommonData->BGChanged = true;
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | kFrameRedraw);
}

bool TSkinEdit::OwnCommand(ui::TMessage& message) {
  TSkinCommonData& data = *FCommonData;
  switch (CommandOf(message)) {
    case scRefreshSkin:
      CommonSkinCommand(message, data);
      if (!EffectPlaying() && HandleAllocated() && IsWindowVisible(Handle())) {
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
      }
      return true;
    case scGetSkinSection: {
      const TSkinManager* manager = data.SkinManager();
      message.Result = (manager ? manager->ConstData.Sections[ssEdit] : -1) + 1;
      return true;
    }
    case scChildMoved:
      message.Result = 0;
      return true;
    case scGetBgColor:
      if (data.Skinned()) return false;
      message.Result = paint::ResolveColor(Color());
      return true;
    case scUpdateDone:
      if (ParentUpdateEnded(data)) RepaintAll();
      return true;
    default:
      return false;
  }
}

void TSkinEdit::WndProc(ui::TMessage& message) {
  TSkinCommonData& data = *FCommonData;
  if (!data.Skinned()) {
    ui::TEdit::WndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_NCPAINT: {
      if (!data.Updating() && data.BGChanged && !PrepareCache()) data.FUpdating = true;
      const platform::WholeWindowDc dc(Handle());
      PaintFrame(dc.get());
      message.Result = 0;
      return;
    }
    case WM_PAINT: {
      if (EffectPlaying() || data.Updating()) {
        ValidateRect(Handle(), nullptr);
        return;
      }
      if (Enabled() && Focused()) break;  // caret and selection: the platform's own painting
      if (message.WParam != 0) {
        PaintClient(reinterpret_cast<HDC>(message.WParam));
        return;
      }
      data.BGChanged = data.BGChanged || data.HalfVisible;
      const platform::PaintDc paint(Handle());
      RECT clip{};
      GetClipBox(paint.get(), &clip);
      const RECT client = ClientRect();
      data.HalfVisible = clip.left > 0 || clip.top > 0 || clip.right < client.right || clip.bottom < client.bottom;
      PaintClient(paint.get());
      return;
    }
    case WM_ERASEBKGND:
      if (EffectPlaying() || data.Updating() || !Enabled() || !Focused()) {
        message.Result = 1;
        return;
      }
      break;
    case WM_PRINT: {
      const auto dc = reinterpret_cast<HDC>(message.WParam);
      data.FUpdating = false;
      PrepareCache();
      // The context is the whole window's: the client lies inside the frame,
      // which is drawn first when asked for and kept out of otherwise.
      const int b = FrameWidth();
      const platform::SavedDcState saved(dc);
      if ((message.LParam & PRF_NONCLIENT) != 0) {
        PaintFrame(dc);
      } else {
        IntersectClipRect(dc, b, b, Width() - b, Height() - b);
      }
      POINT origin{};
      GetViewportOrgEx(dc, &origin);
      SetViewportOrgEx(dc, origin.x + b, origin.y + b, nullptr);
      PaintClient(dc);
      return;
    }
    case WM_PRINTCLIENT:
      PrepareCache();
      PaintClient(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_SETTEXT:
    case WM_SETFONT:
    case platform::CM_VISIBLECHANGED:
    case platform::CM_ENABLEDCHANGED:
      ui::TEdit::WndProc(message);
      if (!data.Loading && !IsLoading() && !EffectPlaying()) RepaintAll();
      return;
    case WM_SIZE:
      ui::TEdit::WndProc(message);
      if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, kFrameRedraw);
      return;
    default:
      break;
  }
  ui::TEdit::WndProc(message);
}

}  // namespace vorlan::skin
