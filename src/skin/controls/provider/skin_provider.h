#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "paint/bitmap32.h"
#include "platform/handle_win.h"
#include "skin/controls/core/bg_request.h"
#include "skin/controls/core/common_data.h"
#include "skin/controls/effects/button_fade.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/form_geometry.h"
#include "skin/draw/text_mask8.h"
#include "skin/draw/title_hit_test.h"
#include "ui/application.h"
#include "ui/component.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/popup_menu.h"

// The form's skin provider: takes over everything the platform would draw
// around and behind a form (border, title bar with icon, caption and title
// buttons, client background, window region) and paints it from the skin,
// and is the background source of the skinned controls on the form.
namespace vorlan::skin {

// The taskbar asks a window for its system menu.
inline constexpr UINT kTaskbarSysMenuRequest = 0x313;

inline constexpr char16_t kFormsOnlyMessage[] = u"TSkinProvider component may be used with forms only!";
inline constexpr char16_t kOneInstanceMessage[] = u"Only one instance of the TSkinProvider component is allowed!";
inline constexpr std::u16string_view kFormSection = u"FORM";
inline constexpr std::u16string_view kFormTitleSection = u"FORMTITLE";
inline constexpr std::u16string_view kCaptionSection = u"CAPTION";
inline constexpr std::u16string_view kFormHeaderSection = u"FORMHEADER";
inline constexpr std::u16string_view kMenuLineSection = u"MENULINE";
inline constexpr std::u16string_view kTitleBarMask = u"TITLEBAR";

// The silent abort of a provider placed on something that is not a form.
class ESkinProviderAbort : public ui::EAbort {
 public:
  const char* what() const noexcept override;
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TGripMode { gmNone, gmRightBottom };
enum class TResizeMode { rmStandard, rmBorder };

struct TSkinTitleIcon {
  bool Visible = true;
  std::int32_t Width = 0;  // 0: from the caption height
  std::int32_t Height = 0;
  std::shared_ptr<const paint::TBitmap32> Glyph;  // drawn with its own alpha when set
};

struct TSkinAddedTitle {
  std::u16string Text;
  ui::TFont Font{u"Tahoma", -11, paint::kNoColor};  // kNoColor: the title's font colour
  bool ShowMainCaption = true;
};

struct TSkinFormHeader {
  std::int32_t AdditionalHeight = 0;
};

class TSkinProvider;

// A system title button of the frame: its image, place and state.
struct TSkinCaptionButton {
  std::int32_t State = 0;  // 0 normal, 1 hot, 2 pressed
  std::int32_t ImageIndex = -1;
  RECT Rect{};
  std::int32_t HitCode = 0;
  bool HaveAlignment = true;
  std::shared_ptr<TSkSBAnimation> Timer;  // the running fade, none before the first change
};

// The skinned system menu: the window's own system commands as a pop-up menu
// of the provider.
class TSkinSystemMenu {
 public:
  explicit TSkinSystemMenu(TSkinProvider& provider);
  // Rebuilds the items from the window's system menu and the queries below.
  void Generate();
  ui::TPopupMenu& Menu() { return *menu_; }
  ui::TMenuItem* Item(std::u16string_view name) const;

  bool VisibleClose() const;
  bool EnabledClose() const;
  bool VisibleMax() const;
  bool EnabledMax() const;
  bool VisibleMin() const;
  bool EnabledMin() const;
  bool VisibleRestore() const;
  bool EnabledRestore() const;
  bool EnabledMove() const;
  bool VisibleSize() const;
  bool EnabledSize() const;

 private:
  // The program's own items of the window's system menu; true when any.
  bool AddExtraItems(HMENU own, HWND window);

  TSkinProvider& provider_;
  ui::TOwned<ui::TPopupMenu> menu_;
};

class TSkinProvider;
class TSkCtrlAdapter;
class TSkScrollWnd;

class TSkinProvider : public ui::TComponent {
 public:
  // owner must be a form (else ESkinProviderAbort). A second provider on a
  // form stays inert.
  explicit TSkinProvider(ui::TComponent& owner);
  ~TSkinProvider() override;
  std::u16string_view ClassName() const override { return u"TSkinProvider"; }

  // ---- published properties ----
  TSkinScrollWndData& SkinData() { return *FCommonData; }
  bool DrawNonClientArea() const { return FDrawNonClientArea; }
  void SetDrawNonClientArea(bool value);
  bool DrawClientArea() const { return FDrawClientArea; }
  void SetDrawClientArea(bool value);
  bool AllowAnimation = true;
  bool AllowExtBorders = true;
  bool AllowBlendOnMoving = true;
  bool AllowSkin3rdParty = true;
  // The form's own class-name lists for adapters, read when the form is
  // loaded; while none of them names a class the manager's lists apply.
  ThirdPartyList ThirdParty;
  bool UseGlobalColor = true;
  bool ShowAppIcon() const { return FShowAppIcon; }
  void SetShowAppIcon(bool value);
  TAlignment CaptionAlignment() const { return FCaptionAlignment; }
  void SetCaptionAlignment(TAlignment value);
  const std::u16string& TitleSkin() const { return FTitleSkin; }
  void SetTitleSkin(std::u16string_view value);
  std::u16string MenuLineSkin;
  TGripMode GripMode = TGripMode::gmNone;
  TResizeMode ResizeMode = TResizeMode::rmStandard;
  bool ScreenSnap = false;
  std::int32_t SnapBuffer = 10;
  std::int32_t DisabledBlendValue = 255;
  bool MakeSkinMenu = false;
  TSkinTitleIcon TitleIcon;
  TSkinAddedTitle AddedTitle;
  TSkinFormHeader FormHeader;
  std::vector<std::u16string> GluedForms;
  std::function<void(TSkinProvider&)> OnAfterAnimation;

  // ---- the provider's life ----
  void LoadInit();
  void PrepareForm();
  // The form's message handling while attached.
  void NewWndProc(ui::TMessage& message, const ui::TPassOn& oldWndProc);

  // ---- geometry (window coordinates, computed from the live window) ----
  TFrameGeometry Geometry() const;
  std::int32_t BorderWidth() const { return Geometry().B; }
  std::int32_t BorderHeight() const { return Geometry().B; }
  std::int32_t CaptionHeight() const { return Geometry().CH; }
  std::int32_t CaptionWidth() const { return Geometry().W; }
  std::int32_t HeaderHeight() const { return Geometry().HeaderHeight; }
  std::int32_t MenuHeight() const { return 0; }
  std::int32_t OffsetX() const { return Geometry().OffsetX; }
  std::int32_t OffsetY() const { return Geometry().OffsetY; }
  RECT ShadowSize() const { return RECT{}; }
  paint::TColor FormColor() const;
  // Title layout: VCenter, FIconRect and the button rectangles.
  void CalcItems();

  // ---- state the other parts of the frame read ----
  ui::TForm& Form() const { return form_; }
  bool Attached() const { return FLink.Linked(); }
  bool FormActive = true;
  std::int32_t FTitleSkinIndex = -1, FCaptionSkinIndex = -1, FHeaderIndex = -1;
  RECT FIconRect{};
  std::int32_t VCenter = 0;
  std::int32_t TitleBtnsWidth = 0;
  TSkinCaptionButton ButtonClose, ButtonMax, ButtonMin, ButtonHelp;
  bool BigButtons = true;
  std::vector<paint::TRect> ArOR;
  bool RgnChanged = true;
  bool RgnChanging = false;
  paint::TBitmap32 TempBmp;
  std::int32_t TempBmpX0 = 0;  // where TempBmp was taken from the cache

  // ---- title buttons, hit testing, system menu ----
  std::int32_t CurrentHT = 0;  // the hot or pressed button's hit code (0 none)
  std::unique_ptr<TSkinSystemMenu> SystemMenu;
  // The window's border icons before the provider took the system menu away.
  bool HasSystemMenu() const { return form_icons_ & WS_SYSMENU; }
  bool HasMaximize() const { return form_icons_ & WS_MAXIMIZEBOX; }
  bool HasMinimize() const { return form_icons_ & WS_MINIMIZEBOX; }
  // The title hit code of a screen point.
  std::int32_t HTProcess(POINT screen);
  void SetHotHT(std::int32_t code, bool repaint = true);
  void SetPressedHT(std::int32_t code);
  void RepaintButton(std::int32_t code);
  void KillAnimations();
  void DropSysMenu(int x, int y);
  void DropPlatformSysMenu(int x, int y);
  TSkinCaptionButton* ButtonByCode(std::int32_t code);
  // The left button went down on a title button and is not yet released.
  static bool ButtonPressed();
  static void ClearButtonPressed();

  // ---- show and hide effects ----
  // The complete window image: the cache (rebuilt when changed) with every
  // visible child control painted into it, opaque. Empty without a cache.
  paint::TBitmap32 WholeWindowImage();
  bool fAnimating = false;     // a show effect has been prepared
  bool FInAnimation = false;   // a show effect is being built
  bool SkipAnimation = false;  // no hide effect while set
  // Set while the hide snapshot is taken, cleared when the form shows again.
  bool Hiding() const { return hiding_; }
  platform::UniqueWindow CoverForm;  // the hide snapshot window until its effect takes it
  // The caption cover: the skinned frame over the window while the platform
  // draws its own caption under it.
  platform::UniqueWindow CaptForm;
  // The dark layer over a disabled form (unless DisabledBlendValue is 255).
  platform::UniqueWindow DisabledOverlay;
  RECT LastClientRect{};
  // A flag kept for other components (commands 63 and 64).
  bool KeptFlag = false;
  // The adapters of the form's standard controls, and the form's own
  // scroll-bar adapter in front of the provider.
  std::unique_ptr<TSkCtrlAdapter> Adapter;
  std::unique_ptr<TSkScrollWnd> ListSW;

  // How often the whole-window picture was built (for diagnostics and tests).
  std::uint64_t CacheBuilds() const { return cache_builds_; }

  // Builds the whole-window picture into the cache when it is marked changed.
  void PaintAll();
  // The frame strips of the cache onto a whole-window device context; the
  // client rectangle is never touched.
  void PaintFrameStrips(HDC windowDc);
  // Rebuilds when changed and copies the frame to the window now.
  void RedrawFrame();
  // The client part of the cache onto a client device context.
  void PaintClientBackground(HDC clientDc, const RECT& area);

 protected:
  void Loaded() override;

 private:
  void Attach();
  bool SkinCommand(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  bool ReducedSkinCommand(ui::TMessage& message);
  void SkinnedMessage(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  void AnswerBackground(TSkBgRequest& request);
  void RemoveSkin(ui::TMessage& message);
  void HandleNcPaint(ui::TMessage& message);
  void HandleNcActivate(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  void HandleSetText(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  void HandleEnabledChanged(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  // The cover over the frame (CaptForm) while the platform draws its caption.
  void CoverCaption();
  // The dark layer over the form, at its bounds, exactly while it is shown
  // disabled.
  void UpdateDisabledOverlay();
  void WithRedrawSuspended(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  void HandleEraseBkgnd(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  void HandlePaint(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  void HandlePrint(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  void HandleSize(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  bool HandleTitleMessage(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  void SkinnedCommand(ui::TMessage& message);
  void FormCommand(ui::TMessage& message);
  bool EffectApplies(bool showing) const;
  void SetChildrenRedraw(bool on);
  void HandleShowingChanged(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  void HandleVisibleChanged(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  void HandleWindowPosChanging(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  void HandleWindowPosChanged(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  void HandleClose(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  void SetTransparency(std::uint8_t alpha);
  std::int32_t FrameEdgeWidth(LPARAM fallback) const;
  std::int32_t FontOwnerAt(const RECT& rect) const;
  void ReleaseButton(std::int32_t code, const ui::TPassOn& oldWndProc, ui::TMessage& message);
  // Minimise, maximise and help act when released over the pressed button;
  // true when one did.
  bool ReleaseSystemButton(std::int32_t code);
  void ClickIcon(ui::TMessage& message, const ui::TPassOn& oldWndProc);
  // The size grip is shown, and where (window coordinates).
  bool GripShown() const;
  RECT GripRect() const;
  std::int32_t FadeSteps() const;
  bool FadeAllowed() const;
  paint::TBitmap32 ButtonPicture(const TSkinCaptionButton& button, std::int32_t state);
  void DrawButton(paint::TBitmap32& target, paint::TPoint at, const TSkinCaptionButton& button, std::int32_t state,
                  bool enabled);
  void EnsureSystemMenu();
  void UpdateRegion();
  void ChooseButtonImages();
  bool CacheValid() const;
  bool PaintingAllowed() const;

  // Painting steps of PaintAll.
  void PaintTitle(paint::TBitmap32& cache, const TFrameGeometry& g);
  void PaintIcon(HDC cacheDc, paint::TBitmap32& cache);
  void PaintCaption(HDC cacheDc, const TFrameGeometry& g);
  void PaintBorderIcons(paint::TBitmap32& cache);
  void SaveTitleStrip(const paint::TBitmap32& cache, const TFrameGeometry& g);
  HFONT CaptionFont();

  ui::TForm& form_;
  std::unique_ptr<TSkinScrollWndData> FCommonData;
  ui::TChainLink FLink;
  bool FDrawNonClientArea = true;
  bool FDrawClientArea = true;
  bool FShowAppIcon = true;
  TAlignment FCaptionAlignment = TAlignment::taLeftJustify;
  std::u16string FTitleSkin;
  // The form's WS_SYSMENU, WS_MINIMIZEBOX and WS_MAXIMIZEBOX before the
  // provider took the system menu away (restored with the skin's removal).
  DWORD form_icons_ = 0;
  bool icons_taken_ = false;
  bool region_set_ = false;
  platform::UniqueFont caption_font_;
  std::uint64_t cache_builds_ = 0;
  bool hiding_ = false;
  bool composition_at_start_ = false;  // the desktop composed when the provider was made
  std::int32_t pressed_ht_ = 0;        // the title button the left button went down on
  // The caption's blurred glow masks, active and inactive, until the
  // caption, the size or the skin changes.
  TMask8 FGlow1, FGlow2;
  // The form's scroll-bar adapter after the skin went, out of the window's
  // chain and freed once the message that took it out has ended.
  std::unique_ptr<TSkScrollWnd> retired_scroll_;
  bool made_layered_ = false;     // the show effect made the window layered
  std::uint8_t own_alpha_ = 255;  // a layered form's own alpha, given back after the show effect
};

}  // namespace vorlan::skin
