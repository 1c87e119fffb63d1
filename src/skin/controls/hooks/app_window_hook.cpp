#include "skin/controls/hooks/app_window_hook.h"

#include <algorithm>
#include <span>
#include <vector>

#include "skin/data/broadcast.h"
#include "skin/data/skin_manager.h"
#include "ui/application.h"

namespace vorlan::skin {

TAppWindowHandlers& AppWindowHandlers() {
  static TAppWindowHandlers handlers;
  return handlers;
}

TAppWindowHook::TAppWindowHook(HWND application_window)
    : window_(application_window),
      subclass_(application_window,
                [this](ui::TMessage& message, const ui::TPassOn& pass_on) { Handle(message, pass_on); }) {}

void TAppWindowHook::Handle(ui::TMessage& message, const ui::TPassOn& pass_on) {
  TSkinManager* manager = DefaultManager();
  const TAppWindowHandlers& handlers = AppWindowHandlers();
  if (manager == nullptr) return pass_on(message);
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED: {
      const auto* position = reinterpret_cast<const WINDOWPOS*>(message.LParam);
      if (ui::Application().Terminated() && position && (position->flags & SWP_HIDEWINDOW) &&
          handlers.PlayMainFormHide) {
        handlers.PlayMainFormHide();
      }
      return pass_on(message);
    }
    case WM_COPYDATA:
      return CopyData(message, pass_on);
    case WM_SYSCOMMAND:
      // A plain minimise and restore: the main form has no animation for them.
      if (manager->Skin.CommonSkinData.Active) {
        const WPARAM command = message.WParam & 0xFFF0;
        if (command == SC_MINIMIZE) manager->ShowState = TShowState::Minimize;
        if (command == SC_RESTORE) manager->ShowState = TShowState::Restore;
      }
      return pass_on(message);
    case WM_TASKBAR_SYSMENU:
      if (!handlers.ShowMainFormSystemMenu) return pass_on(message);
      {
        POINT cursor{};
        GetCursorPos(&cursor);
        handlers.ShowMainFormSystemMenu(cursor);
      }
      return;
    case WM_THEMECHANGED:
      return;
    case WM_TASKBAR_THUMBNAIL:
    case WM_TASKBAR_LIVE_PREVIEW:
      if (!handlers.AnswerTaskbarPreview || !handlers.AnswerTaskbarPreview(message)) pass_on(message);
      return;
    case SM_ALPHACMD:
      if (CommandOf(message) != scPreviewSkin) return pass_on(message);
      manager->LoadPreviewSkin();
      return;
    case SM_INVALIDATE_ALL:
      InvalidateAllForms();
      return;
    case SM_MENU_ITEM_SHOWN:
    case SM_MENU_WINDOW_SHOWN:
      if (!manager->SkinnedPopups() || !handlers.PaintPopupMenuBorder || !handlers.PaintPopupMenuBorder(message)) {
        pass_on(message);
      }
      return;
    default:
      return pass_on(message);
  }
}

void TAppWindowHook::CopyData(ui::TMessage& message, const ui::TPassOn& pass_on) {
  // Whoever handles the message behind us answers first; an answered copy
  // is not a preview for us.
  pass_on(message);
  const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(message.LParam);
  std::span<const std::uint8_t> block;
  if (copy && copy->lpData) block = std::span(static_cast<const std::uint8_t*>(copy->lpData), copy->cbData);
  TSkinManager* manager = DefaultManager();
  if (!manager->ReceivePreview(message.WParam, block, message.Result != 0)) return;
  message.Result = 1;
  // Loaded once the sender has its answer; at once when the post fails, so
  // that the next preview is not kept waiting for a load that never comes.
  if (!PostMessageW(window_, SM_ALPHACMD, MakeSkinWParam(scPreviewSkin), 0)) manager->LoadPreviewSkin();
}

void TAppWindowHook::InvalidateAllForms() {
  ISkinWindowSystem* system = SkinWindowSystem();
  if (system == nullptr) return;
  std::vector<ISkinForm*> forms = system->ApplicationForms();
  for (ISkinForm* form : system->ProviderForms()) {
    if (std::find(forms.begin(), forms.end(), form) == forms.end()) forms.push_back(form);
  }
  const TSkinMessage message = MakeSkinMessage(scInvalidate, 0);
  for (ISkinForm* form : forms) {
    if (form->HasWindow()) form->Send(message);
  }
}

}  // namespace vorlan::skin
