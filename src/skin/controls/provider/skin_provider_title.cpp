#include <windows.h>
// (needs windows.h before it)
#include <windowsx.h>

#include "paint/bitmap_gdi_win.h"
#include "paint/block_copy.h"
#include "skin/controls/core/hot_tracking.h"
#include "skin/controls/menus/skin_menus.h"
#include "skin/controls/provider/skin_provider.h"
#include "skin/draw/image_entry.h"
#include "skin/draw/mask_image.h"

namespace vorlan::skin {
namespace {

// One for the process: only one title button can be held at a time.
bool g_button_pressed = false;

// How long a click on the icon lets waiting work run before the platform's
// own system menu takes the message loop.
constexpr ULONGLONG kIconClickPauseMs = 200;

// Runs the thread's messages as they come, for `ms`.
void ProcessMessagesFor(ULONGLONG ms) {
  const ULONGLONG end = GetTickCount64() + ms;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    ui::Application().ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
  }
  ui::Application().ProcessMessages();
}

POINT CursorOf(LPARAM lparam) { return POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}; }

RECT WindowBounds(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

}  // namespace

bool TSkinProvider::ButtonPressed() { return g_button_pressed; }
void TSkinProvider::ClearButtonPressed() { g_button_pressed = false; }

TSkinCaptionButton* TSkinProvider::ButtonByCode(std::int32_t code) {
  switch (code) {
    case kHtClose:
      return &ButtonClose;
    case kHtMaxButton:
      return &ButtonMax;
    case kHtMinButton:
      return &ButtonMin;
    case kHtHelp:
      return &ButtonHelp;
    default:
      return nullptr;
  }
}

void TSkinProvider::EnsureSystemMenu() {
  if (!SystemMenu) SystemMenu = std::make_unique<TSkinSystemMenu>(*this);
}

std::int32_t TSkinProvider::HTProcess(POINT screen) {
  EnsureSystemMenu();
  const HWND window = form_.Handle();
  const RECT outer = WindowBounds(window);
  TTitleHitInput in;
  in.Frame = Geometry();
  const bool sysMenu = HasSystemMenu();
  in.Buttons[0] = {sysMenu, paint::FromRECT(ButtonClose.Rect)};
  in.Buttons[1] = {sysMenu && SystemMenu->VisibleMax(), paint::FromRECT(ButtonMax.Rect)};
  in.Buttons[2] = {sysMenu && SystemMenu->VisibleMin(), paint::FromRECT(ButtonMin.Rect)};
  in.Buttons[3] = {sysMenu && ButtonHelp.ImageIndex >= 0, paint::FromRECT(ButtonHelp.Rect)};
  in.IconRect = paint::FromRECT(FIconRect);
  in.EnabledClose = SystemMenu->EnabledClose();
  in.EnabledMax = SystemMenu->EnabledMax();
  in.EnabledRestore = SystemMenu->EnabledRestore();
  in.EnabledMin = SystemMenu->EnabledMin();
  in.Minimized = IsIconic(window) != FALSE;
  in.Maximized = IsZoomed(window) != FALSE;
  in.SizingFrame = (GetWindowLongPtrW(window, GWL_STYLE) & WS_THICKFRAME) != 0;
  return TitleHitTest(in, paint::TPoint{screen.x - outer.left, screen.y - outer.top});
}

std::int32_t TSkinProvider::FadeSteps() const {
  const TSkinManager* manager = FCommonData->SkinManager();
  return manager && manager->Effects().AllowAnimation ? 10 : 1;
}

// No fade window for a hidden form: it would show where the form was.
bool TSkinProvider::FadeAllowed() const {
  const TSkinManager* manager = FCommonData->SkinManager();
  return manager && manager->Effects().AllowGlowing && form_.HandleAllocated() && IsWindowVisible(form_.Handle()) &&
         !(GetWindowLongPtrW(form_.Handle(), GWL_STYLE) & WS_CHILD);
}

void TSkinProvider::SetHotHT(std::int32_t code, bool repaint) {
  if (code == CurrentHT || !FDrawNonClientArea) return;
  if (CurrentHT > 0) {
    if (TSkinCaptionButton* old = ButtonByCode(CurrentHT)) {
      old->State = 0;
      if (repaint) RepaintButton(CurrentHT);
    }
  }
  CurrentHT = code;
  if (g_button_pressed || code <= 0) return;
  if (TSkinCaptionButton* button = ButtonByCode(code)) {
    button->State = 1;
    RepaintButton(code);
  }
}

void TSkinProvider::SetPressedHT(std::int32_t code) {
  EnsureSystemMenu();
  if (code != CurrentHT && CurrentHT != 0) {
    if (TSkinCaptionButton* old = ButtonByCode(CurrentHT)) {
      old->State = 0;
      RepaintButton(CurrentHT);
    }
  }
  CurrentHT = code;
  const bool allowed = (code != kHtMaxButton || SystemMenu->EnabledMax() ||
                        (IsZoomed(form_.Handle()) && SystemMenu->EnabledRestore())) &&
                       (code != kHtClose || SystemMenu->EnabledClose());
  TSkinCaptionButton* button = ButtonByCode(code);
  if (!allowed || !button) {
    CurrentHT = 0;
    return;
  }
  button->State = 2;
  g_button_pressed = true;
  pressed_ht_ = code;
  RepaintButton(code);
}

void TSkinProvider::DrawButton(paint::TBitmap32& target, paint::TPoint at, const TSkinCaptionButton& button,
                               std::int32_t state, bool enabled) {
  const TSkinManager* manager = FCommonData->SkinManager();
  if (!manager) return;
  const TImageEntry image = SkinImage(manager->Skin, button.ImageIndex);
  if (!image) return;
  // A normal button of an inactive or disabled form, or a disabled button,
  // shows half-transparent.
  const bool faded = state == 0 && (!FormActive || !form_.Enabled() || !enabled);
  PaintMaskImage(target, at, state, paint::MakeCacheInfo(&target, 0, 0), image, faded ? 2 : kMaskImageNormal);
}

// The title under the button with the button's frame for `state` over it,
// opaque: the fade window shows it with per-pixel alpha.
paint::TBitmap32 TSkinProvider::ButtonPicture(const TSkinCaptionButton& button, std::int32_t state) {
  const RECT& r = button.Rect;
  paint::TBitmap32 picture(r.right - r.left, r.bottom - r.top);
  if (picture.Empty()) return picture;
  if (!TempBmp.Empty()) {
    paint::CopyBlock(picture, paint::TPoint{}, TempBmp,
                     paint::MakeRect(r.left - TempBmpX0, r.top, picture.Width(), picture.Height()));
  }
  DrawButton(picture, paint::TPoint{}, button, state, true);
  for (std::int32_t y = 0; y < picture.Height(); ++y) {
    std::uint32_t* row = picture.Row(y);
    for (std::int32_t x = 0; x < picture.Width(); ++x) row[x] |= 0xFF000000u;
  }
  return picture;
}

void TSkinProvider::RepaintButton(std::int32_t code) {
  TSkinCaptionButton* button = ButtonByCode(code);
  if (!button || !form_.HandleAllocated()) return;
  if (FadeAllowed()) {
    if (!button->Timer) {
      TSkSBAnimation::TSource source;
      source.FormHandle = form_.Handle();
      source.MakeImg = [this, button](std::int32_t state) { return ButtonPicture(*button, state); };
      source.GetFormBounds = [this, button] {
        const RECT outer = WindowBounds(form_.Handle());
        RECT r = button->Rect;
        OffsetRect(&r, outer.left, outer.top);
        return r;
      };
      source.CursorOutside = [this, button] {
        POINT cursor{};
        GetCursorPos(&cursor);
        const RECT outer = WindowBounds(form_.Handle());
        const POINT p{cursor.x - outer.left, cursor.y - outer.top};
        return !PtInRect(&button->Rect, p);
      };
      button->Timer = std::make_shared<TSkSBAnimation>(std::move(source));
    }
    button->Timer->ChangeState(button->State, FadeSteps());
    return;
  }
  // Directly: the saved title under the button, the button over it, and
  // that rectangle to the window.
  paint::TBitmap32* cache = FCommonData->FCacheBmp.get();
  if (!cache || cache->Empty() || TempBmp.Empty()) return;
  const RECT& r = button->Rect;
  paint::CopyBlock(*cache, paint::TPoint{r.left, r.top}, TempBmp,
                   paint::MakeRect(r.left - TempBmpX0, r.top, r.right - r.left, r.bottom - r.top));
  DrawButton(*cache, paint::TPoint{r.left, r.top}, *button, button->State,
             code != kHtClose || (SystemMenu && SystemMenu->EnabledClose()));
  const platform::WholeWindowDc dc(form_.Handle());
  if (dc.get()) {
    paint::ShowBitmap(dc.get(), paint::TPoint{r.left, r.top}, *cache,
                      paint::MakeRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
  }
}

void TSkinProvider::KillAnimations() {
  for (TSkinCaptionButton* button : {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp}) button->Timer.reset();
}

void TSkinProvider::DropSysMenu(int x, int y) {
  EnsureSystemMenu();
  if (!form_.HandleAllocated() || GetActiveWindow() != form_.Handle()) return;
  TSkinManager* manager = FCommonData->SkinManager();
  if (manager && !manager->SkinnedPopups()) {
    DropPlatformSysMenu(x, y);
    return;
  }
  SystemMenu->Generate();
  // The menu is made afresh each time: the painter takes it over each time.
  if (auto* menus = manager ? dynamic_cast<TSkinableMenus*>(manager->SkinableMenus()) : nullptr;
      menus && menus->Active()) {
    menus->HookPopupMenu(SystemMenu->Menu(), true);
  }
  SystemMenu->Menu().Popup(form_.Handle(), x, y);
}

// Without skinned pop-ups the window's own system menu is shown, its items
// enabled by the same rules as the skinned one's.
void TSkinProvider::DropPlatformSysMenu(int x, int y) {
  const HWND window = form_.Handle();
  const HMENU menu = GetSystemMenu(window, FALSE);
  if (!menu) return;
  const auto enable = [menu](UINT command, bool on) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
  };
  const bool normal = !IsIconic(window) && !IsZoomed(window);
  // Changing the items would have the platform redraw its own title.
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  SetWindowLongPtrW(window, GWL_STYLE, style & ~WS_VISIBLE);
  enable(SC_RESTORE, SystemMenu->EnabledRestore());
  enable(SC_MOVE, SystemMenu->EnabledMove() && !IsIconic(window));
  enable(SC_SIZE, SystemMenu->EnabledSize() && normal);
  enable(SC_MINIMIZE, SystemMenu->EnabledMin());
  enable(SC_MAXIMIZE, SystemMenu->EnabledMax());
  enable(SC_CLOSE, SystemMenu->EnabledClose());
  SetWindowLongPtrW(window, GWL_STYLE, style);
  const UINT command = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTBUTTON | TPM_RIGHTBUTTON, x, y, 0, window, nullptr));
  if (command != 0) PostMessageW(window, WM_SYSCOMMAND, command, 0);
}

void TSkinProvider::ReleaseButton(std::int32_t code, const ui::TPassOn& oldWndProc, ui::TMessage& message) {
  EnsureSystemMenu();
  if (code == kHtClose && SystemMenu->EnabledClose() && g_button_pressed) {
    g_button_pressed = false;
    ButtonClose.State = 0;
    message.Result = 0;
    const HWND window = form_.Handle();
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (!IsWindow(window) || form_.IsDestroying()) return;
    KillAnimations();
    if (IsWindowVisible(window)) FCommonData->BGChanged = true;
    SetHotHT(0, true);
    return;
  }
  if (ReleaseSystemButton(code)) {
    message.Result = 0;
    return;
  }
  // Released over anything but the pressed button: no command.
  if (message.Msg == WM_NCLBUTTONUP) oldWndProc(message);
  g_button_pressed = false;
  const std::int32_t pressed = CurrentHT;
  SetHotHT(0, true);
  if (TSkinCaptionButton* button = ButtonByCode(pressed); button && button->State != 0) {
    button->State = 0;
    RepaintButton(pressed);
  }
}

bool TSkinProvider::ReleaseSystemButton(std::int32_t code) {
  TSkinCaptionButton* button = ButtonByCode(code);
  if (!g_button_pressed || code != pressed_ht_ || !button || code == kHtClose) return false;
  const HWND window = form_.Handle();
  const bool zoomed = IsZoomed(window) != FALSE;
  if (code == kHtMaxButton && !SystemMenu->EnabledMax() && !(zoomed && SystemMenu->EnabledRestore())) return false;
  // The flag goes first: a later hover must show the hot look again.
  g_button_pressed = false;
  button->State = 0;
  SetHotHT(0, true);
  switch (code) {
    case kHtMinButton: {
      // The application's main form goes to the taskbar without a hide effect.
      const bool mainForm = &form_ == ui::Application().MainForm();
      const WPARAM command = !mainForm && IsIconic(window) ? SC_RESTORE : SC_MINIMIZE;
      const bool skipped = SkipAnimation;
      SkipAnimation = SkipAnimation || mainForm;
      SendMessageW(window, WM_SYSCOMMAND, command, 0);
      SkipAnimation = skipped;
      FCommonData->BGChanged = true;
      break;
    }
    case kHtMaxButton:
      SendMessageW(window, WM_SYSCOMMAND, zoomed ? SC_RESTORE : SC_MAXIMIZE, 0);
      SystemMenu->Generate();
      break;
    case kHtHelp:
      SendMessageW(window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      SystemMenu->Generate();
      if (IsWindow(window)) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
      break;
    default:
      break;
  }
  return true;
}

// A click on the icon: the form's own handling may take it; else the system
// menu drops down below the icon.
void TSkinProvider::ClickIcon(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  message.Result = 0;
  oldWndProc(message);
  if (message.Result != 0) return;
  SetHotHT(0, true);
  g_button_pressed = false;
  const HWND window = form_.Handle();
  const TSkinManager* manager = FCommonData->SkinManager();
  if (manager && !manager->SkinnedPopups()) {
    // The platform's menu holds the message loop until it closes: what is
    // waiting runs first.
    ProcessMessagesFor(kIconClickPauseMs);
    if (!IsWindow(window) || form_.IsDestroying() || FCommonData->FUpdating) return;
  }
  const TFrameGeometry g = Geometry();
  const RECT outer = WindowBounds(window);
  DropSysMenu(outer.left + g.B, outer.top + 2 * g.B + (FIconRect.bottom - FIconRect.top));
}

// The title bar's mouse and keyboard messages; true = consumed.
bool TSkinProvider::HandleTitleMessage(ui::TMessage& message, const ui::TPassOn& oldWndProc) {
  const TFrameGeometry g = Geometry();
  const HWND window = form_.Handle();
  if (!FDrawNonClientArea || g.CH == 0) return false;
  const RECT outer = WindowBounds(window);
  const std::int32_t iconHeight = FIconRect.bottom - FIconRect.top;
  switch (message.Msg) {
    case WM_NCHITTEST: {
      const POINT at = CursorOf(message.LParam);
      const std::int32_t code = HTProcess(at);
      if (code == kHtSysMenu || IsTitleButtonCode(code)) {
        message.Result = code;
        return true;
      }
      // Elsewhere the platform answers, but inside the size grip.
      const RECT grip = GripRect();
      const POINT p{at.x - outer.left, at.y - outer.top};
      if (!GripShown() || !PtInRect(&grip, p)) return false;
      message.Result = HTBOTTOMRIGHT;
      return true;
    }
    case WM_NCMOUSEMOVE: {
      if (!form_.Enabled()) return false;
      // The manager then tells the form when the mouse has left it (command 30).
      SetActiveControl(FCommonData->SkinManager(), window);
      const std::int32_t code = HTProcess(CursorOf(message.LParam));
      if (IsTitleButtonCode(code)) {
        SetHotHT(code, true);
        message.Result = 0;
        return true;
      }
      SetHotHT(0, true);
      return false;
    }
    case WM_NCLBUTTONDOWN: {
      const auto code = static_cast<std::int32_t>(message.WParam);
      if (code == kHtSysMenu) {
        ClickIcon(message, oldWndProc);
        return true;
      }
      if (IsTitleButtonCode(code)) {
        // Not passed on: the platform must not start its own caption tracking.
        SetPressedHT(code);
        message.Result = 0;
        return true;
      }
      SetHotHT(0, true);
      return false;
    }
    case WM_NCLBUTTONUP:
      if (!form_.Enabled()) return false;
      ReleaseButton(static_cast<std::int32_t>(message.WParam), oldWndProc, message);
      return true;
    case WM_LBUTTONUP: {
      if (!form_.Enabled() || !g_button_pressed) return false;
      POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      ClientToScreen(window, &p);
      ReleaseButton(HTProcess(p), oldWndProc, message);
      oldWndProc(message);
      return true;
    }
    case WM_NCLBUTTONDBLCLK: {
      const auto code = static_cast<std::int32_t>(message.WParam);
      if (code == kHtSysMenu) {
        message.Result = 0;
        form_.Close();
        return true;
      }
      if (code != kHtCaption) return false;
      EnsureSystemMenu();
      message.Result = 0;
      if (HasSystemMenu() && (SystemMenu->EnabledMax() || SystemMenu->EnabledRestore())) {
        SendMessageW(window, WM_SYSCOMMAND, IsZoomed(window) || IsIconic(window) ? SC_RESTORE : SC_MAXIMIZE, 0);
      } else if (IsIconic(window)) {
        SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
      }
      // Otherwise nothing: a window that cannot be maximized stays as it is.
      return true;
    }
    case WM_NCRBUTTONDOWN:
      if (message.WParam != HTCAPTION && message.WParam != HTSYSMENU) return false;
      message.Result = 0;
      return true;
    case WM_NCRBUTTONUP: {
      if (message.WParam != HTCAPTION && message.WParam != HTSYSMENU) return false;
      SetHotHT(0, true);
      g_button_pressed = false;
      message.Result = 0;
      const POINT at = CursorOf(message.LParam);
      DropSysMenu(at.x, at.y);
      return true;
    }
    case WM_MOUSELEAVE:
      SetHotHT(-1, true);
      g_button_pressed = false;
      return false;
    case WM_SYSCOMMAND:
      if ((message.WParam & 0xFFF0) != SC_KEYMENU || message.LParam != VK_SPACE || !HasSystemMenu()) return false;
      oldWndProc(message);
      DropSysMenu(outer.left + g.B, outer.top + g.B + iconHeight - (IsIconic(window) ? 16 : 0));
      return true;
    case kTaskbarSysMenuRequest: {
      const POINT at = CursorOf(message.LParam);
      message.Result = 0;
      DropSysMenu(at.x, at.y);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace vorlan::skin
