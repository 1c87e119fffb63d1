#include "skin/controls/provider/skin_provider.h"

#include "platform/text.h"
#include "skin/controls/adapters/adapter_scroll.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/provider/adapter_list.h"
#include "skin/controls/provider/desktop_manager.h"
#include "skin/controls/provider/window_animation.h"
#include "skin/controls/provider/window_system.h"
#include "skin/data/skin_commands.h"
#include "skin/draw/image_entry.h"

namespace vorlan::skin {
namespace {

ui::TForm& FormOf(ui::TComponent& owner) {
  auto* form = dynamic_cast<ui::TForm*>(&owner);
  if (!form) throw ESkinProviderAbort();
  return *form;
}

// The platform's frame metrics, read once.
const TFrameMetrics& SystemFrameMetrics() {
  static const TFrameMetrics metrics{
      GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER),
      GetSystemMetrics(SM_CXDLGFRAME),
      GetSystemMetrics(SM_CYCAPTION),
      GetSystemMetrics(SM_CYSMCAPTION),
  };
  return metrics;
}

// Width and height of one frame of a title-button image; 21 × 21 without one.
TTitleButtonSpec ButtonSpec(const TSkinManager* manager, std::int32_t imageIndex, bool visible, bool large) {
  TTitleButtonSpec spec;
  spec.Visible = visible;
  spec.Large = large;
  if (!manager) return spec;
  const TImageEntry image = SkinImage(manager->Skin, imageIndex);
  if (!image) return spec;
  const TSkinMaskData& mask = image.M();
  spec.Width = image.HasOwnBitmap() && mask.ImageCount > 0 ? mask.Bmp->Width() / mask.ImageCount : image.FrameWidth();
  spec.Height = image.FrameHeight();
  return spec;
}

RECT ToRect(const paint::TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

const char* ESkinProviderAbort::what() const noexcept {
  static const std::string message = platform::Utf16ToUtf8(kFormsOnlyMessage);
  return message.c_str();
}

TSkinProvider::TSkinProvider(ui::TComponent& owner)
    : form_(FormOf(owner)), FCommonData(std::make_unique<TSkinScrollWndData>(form_, false)) {
  ThirdParty.Clear();  // none of its own: the manager's lists apply
  // One provider per form: a second one stays inert.
  if (form_.Perform(SM_ALPHACMD, MakeSkinWParam(scGetProvider), 0) != 0) return;
  FCommonData->SetSkinSection(kFormSection);
  composition_at_start_ = CompositionEnabled();
  Attach();
  // The manager's broadcasts reach a form with a provider only through this list.
  if (TSkinWindowSystem* system = InstalledWindowSystem()) system->RegisterProviderForm(form_);
}

TSkinProvider::~TSkinProvider() {
  // The adapters use the provider's data: they go first.
  ListSW.reset();
  retired_scroll_.reset();
  Adapter.reset();
  // A hide effect of this form would report to a provider that is gone.
  if (HideAnimationRunning() && form_.HandleAllocated() && HideTimer().ParentWnd == form_.Handle()) {
    HideTimer().Finish(false);
  }
  if (TSkinWindowSystem* system = InstalledWindowSystem(); system && Attached()) system->UnregisterProviderForm(form_);
}

void TSkinProvider::Attach() {
  FLink = form_.WindowProc().Add(
      [this](ui::TMessage& message, const ui::TPassOn& pass_on) { NewWndProc(message, pass_on); });
}

void TSkinProvider::Loaded() {
  ui::TComponent::Loaded();
  ThirdParty.Rebuild();
  if (!Attached()) return;
  FCommonData->Loaded();
  if (FCommonData->Skinned()) LoadInit();
}

void TSkinProvider::LoadInit() {
  // The desktop's own transitions would play over the skin's effects.
  if (form_.HandleAllocated()) SetWindowTransitions(form_.Handle(), FDrawNonClientArea);
  PrepareForm();
}

void TSkinProvider::PrepareForm() {
  TSkinManager* manager = FCommonData->SkinManager();
  // While a new skin is applied its sections are loaded but the skin is not
  // yet marked active: the form is prepared then too, or a skin applied at
  // run time would leave the platform's title buttons in place.
  if (!Attached() || !form_.HandleAllocated() || !manager || !manager->Active() || manager->Skin.gd.empty()) return;
  FCommonData->UpdateIndexes();
  FTitleSkinIndex = manager->GetSkinIndex(FTitleSkin.empty() ? kFormTitleSection : std::u16string_view(FTitleSkin));
  FCaptionSkinIndex = manager->GetSkinIndex(kCaptionSection);
  FHeaderIndex = manager->GetSkinIndex(kFormHeaderSection);
  // Without the system menu the platform neither draws nor hit-tests its own
  // title buttons and icon; the frame's own take their place.
  const HWND window = form_.Handle();
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (!icons_taken_) {
    form_icons_ = static_cast<DWORD>(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    icons_taken_ = true;
  }
  if (style & WS_SYSMENU) SetWindowLongPtrW(window, GWL_STYLE, style & ~WS_SYSMENU);
  ChooseButtonImages();
  if (UseGlobalColor && !FCommonData->FCustomColor) form_.SetColor(manager->GetGlobalColor());
  FCommonData->BGChanged = true;
  RgnChanged = true;
  UpdateFormAdapters(*this);
}

void TSkinProvider::ChooseButtonImages() {
  const TSkinManager* manager = FCommonData->SkinManager();
  if (!manager) return;
  const TConstantSkinData& c = manager->ConstData;
  const bool tool = form_.HandleAllocated() && (GetWindowLongPtrW(form_.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  BigButtons = !tool;
  const bool sysMenu = form_icons_ & WS_SYSMENU;
  const bool maxVisible = sysMenu && (form_icons_ & WS_MAXIMIZEBOX) && BigButtons;
  const bool minVisible = sysMenu && (form_icons_ & WS_MINIMIZEBOX) && BigButtons;
  bool large = BigButtons;
  std::int32_t close = -1;
  if (BigButtons) {
    close = !maxVisible && !minVisible && manager->IsValidImgIndex(c.MaskCloseAloneBtn) ? c.MaskCloseAloneBtn
                                                                                        : c.MaskCloseBtn;
  } else {
    close = c.MaskCloseSmall;
  }
  if (!manager->IsValidImgIndex(close)) {
    large = true;
    close = c.MaskCloseBtn;
  }
  ButtonClose = {0, sysMenu ? close : -1, RECT{}, HTCLOSE, large, nullptr};
  ButtonMax = {0,      maxVisible ? (IsZoomed(form_.Handle()) ? c.MaskNormBtn : c.MaskMaxBtn) : -1,
               RECT{}, HTMAXBUTTON,
               large,  nullptr};
  ButtonMin = {0, minVisible ? c.MaskMinBtn : -1, RECT{}, HTMINBUTTON, large, nullptr};
  ButtonHelp = {0, -1, RECT{}, HTHELP, large, nullptr};
}

TFrameGeometry TSkinProvider::Geometry() const {
  if (!form_.HandleAllocated()) return {};
  const HWND window = form_.Handle();
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  TFrameStyle s;
  s.Caption = (style & WS_CAPTION) == WS_CAPTION;
  s.Border = (style & WS_BORDER) != 0;
  s.SizingFrame = (style & WS_THICKFRAME) != 0;
  s.DialogFrame = !s.SizingFrame && (style & WS_DLGFRAME) != 0;
  s.ToolWindow = (exStyle & WS_EX_TOOLWINDOW) != 0;
  s.Minimized = IsIconic(window) != FALSE;
  s.Maximized = IsZoomed(window) != FALSE;
  return ComputeFrameGeometry(s, SystemFrameMetrics(), outer.right - outer.left, outer.bottom - outer.top, client.right,
                              client.bottom);
}

void TSkinProvider::CalcItems() {
  const TFrameGeometry g = Geometry();
  const TSkinManager* manager = FCommonData->SkinManager();
  TTitleLayoutInput in;
  in.Frame = g;
  const bool sysMenu = form_icons_ & WS_SYSMENU;
  const LONG_PTR style = form_.HandleAllocated() ? GetWindowLongPtrW(form_.Handle(), GWL_STYLE) : 0;
  const bool singleOrSizeable = BigButtons && ((style & WS_THICKFRAME) || (style & WS_BORDER));
  in.IconShown = TitleIcon.Visible && singleOrSizeable && FShowAppIcon && sysMenu;
  in.IconWidth = TitleIcon.Width;
  in.IconHeight = TitleIcon.Height;
  if (TitleIcon.Glyph && TitleIcon.Width == 0 && TitleIcon.Glyph->Height() > 0) {
    // A glyph keeps its proportions at the derived height.
    const std::int32_t h = TitleIcon.Height != 0 ? TitleIcon.Height : IconSizeForCaption(g.CH);
    in.IconWidth = TitleIcon.Glyph->Width() * h / TitleIcon.Glyph->Height();
  }
  if (manager) {
    const TSkinData& d = manager->Skin.CommonSkinData;
    in.BILeft = d.BILeftMargin;
    in.BIRight = d.BIRightMargin;
    in.BISpace = d.BISpacing;
    in.BIVAlign = d.BIVAlign;
  }
  in.SmallButtons = !BigButtons;
  in.Maximized = form_.HandleAllocated() && IsZoomed(form_.Handle());
  in.MaximizedTop = GetSystemMetrics(SM_CXFRAME) - 1;
  in.CaptionSection = FCaptionSkinIndex >= 0;
  // Every system button is as high as the close image.
  const TTitleButtonSpec close =
      ButtonSpec(manager, ButtonClose.ImageIndex, ButtonClose.ImageIndex >= 0 || sysMenu, ButtonClose.HaveAlignment);
  // A button whose image is missing keeps a place of 21 × 21.
  const auto sized = [&](const TSkinCaptionButton& b, bool visible) {
    TTitleButtonSpec spec = ButtonSpec(manager, b.ImageIndex, visible, b.HaveAlignment);
    if (manager && manager->IsValidImgIndex(b.ImageIndex)) spec.Height = close.Height;
    return spec;
  };
  EnsureSystemMenu();
  in.Close = close;
  in.Close.Visible = sysMenu;
  in.Max = sized(ButtonMax, sysMenu && SystemMenu->VisibleMax());
  in.Min = sized(ButtonMin, sysMenu && SystemMenu->VisibleMin());
  in.Help = sized(ButtonHelp, ButtonHelp.ImageIndex >= 0);
  const TTitleLayout layout = ComputeTitleLayout(in);
  VCenter = layout.VCenter;
  FIconRect = ToRect(layout.IconRect);
  ButtonClose.Rect = ToRect(layout.Close);
  ButtonMax.Rect = ToRect(layout.Max);
  ButtonMin.Rect = ToRect(layout.Min);
  ButtonHelp.Rect = ToRect(layout.Help);
  TitleBtnsWidth = layout.TitleBtnsWidth;
}

paint::TColor TSkinProvider::FormColor() const { return BgColor(*FCommonData, 0); }

void TSkinProvider::SetDrawNonClientArea(bool value) {
  if (value == FDrawNonClientArea) return;
  FDrawNonClientArea = value;
  FCommonData->BGChanged = true;
  if (form_.HandleAllocated()) RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TSkinProvider::SetDrawClientArea(bool value) {
  if (value == FDrawClientArea) return;
  FDrawClientArea = value;
  if (form_.HandleAllocated()) RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void TSkinProvider::SetShowAppIcon(bool value) {
  if (value == FShowAppIcon) return;
  FShowAppIcon = value;
  FCommonData->BGChanged = true;
  if (form_.HandleAllocated() && IsWindowVisible(form_.Handle())) RedrawFrame();
}

void TSkinProvider::SetCaptionAlignment(TAlignment value) {
  if (value == FCaptionAlignment) return;
  FCaptionAlignment = value;
  FCommonData->BGChanged = true;
  if (form_.HandleAllocated() && IsWindowVisible(form_.Handle())) RedrawFrame();
}

void TSkinProvider::SetTitleSkin(std::u16string_view value) {
  if (value == FTitleSkin) return;
  FTitleSkin = std::u16string(value);
  if (const TSkinManager* manager = FCommonData->SkinManager()) {
    FTitleSkinIndex = manager->GetSkinIndex(FTitleSkin.empty() ? kFormTitleSection : std::u16string_view(FTitleSkin));
  }
  FCommonData->BGChanged = true;
  if (form_.HandleAllocated() && IsWindowVisible(form_.Handle())) RedrawFrame();
}

}  // namespace vorlan::skin
