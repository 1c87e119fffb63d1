#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "paint/bitmap32.h"
#include "paint/geometry.h"
#include "skin/data/skin_manager.h"
#include "ui/popup_menu.h"

// The skin manager's menu painter: every item of a hooked menu is measured
// and drawn from the skin ("MAINMENU" background and frame, "ICOLINE" icon
// column, "MENUITEM" items), and each popup window gets the skin's frame and
// a region with the frame's transparent corners.
namespace vorlan::skin {

enum TSkMenuItemKind { smCaption, smDivider, smNormal };

// "-" is a divider, "-Title-" a caption line, anything else a normal item.
TSkMenuItemKind MenuItemKind(std::u16string_view caption);

// The commands of the system menu that get a Webdings glyph ('0' minimise,
// '1' maximise, 'r' close, '2' restore); 0 for any other.
char16_t SysMenuGlyph(UINT command);

// One open popup: its background picture, keyed by its first item.
struct TSkMenuInfo {
  const ui::TMenuItem* FirstItem = nullptr;  // borrowed
  std::unique_ptr<paint::TBitmap32> Bmp;
  HWND Wnd = nullptr;
  bool HaveExtraLine = false;
  bool ItemsIterated = false;
};

class TSkinableMenus : public ISkinableMenus {
 public:
  explicit TSkinableMenus(TSkinManager& owner) : FOwner(owner) {}
  ~TSkinableMenus() override;
  TSkinableMenus(const TSkinableMenus&) = delete;
  TSkinableMenus& operator=(const TSkinableMenus&) = delete;

  // Walks the components of every form and hooks (or unhooks) their menus.
  void InitItems(bool active) override;
  void ClearMenuInfos() override;
  void ForgetBorderWidth() override { FSkinBorderWidth = -1; }
  void HookPopupMenu(ui::TPopupMenu& menu, bool active);
  void HookItem(ui::TMenuItem& item, bool active);

  // The measure and draw handlers put on every hooked item.
  void SkinMeasureItem(ui::TMenuItem& item, HDC canvas, int& width, int& height);
  void SkinAdvancedDrawItem(ui::TMenuItem& item, HDC canvas, const RECT& r, UINT state);

  // The popup's info; built (picture and all) only when a canvas is given.
  TSkMenuInfo* GetMenuInfo(const ui::TMenuItem& item, int width, HWND window, HDC canvas, int height);
  TSkMenuInfo& PrepareMenuBG(const ui::TMenuItem& item, int width, HWND window, int height);
  // The frame strips and the region of a popup window.
  void DrawWndBorder(HWND window, const paint::TBitmap32& picture);
  std::int32_t ExtraWidth(const TSkMenuInfo& info) const;
  // BORDERSMASK width of "MAINMENU" (cached until the skin changes).
  std::int32_t SkinBorderWidth();

  const std::vector<TSkMenuInfo>& MenuInfos() const { return FMenuInfos; }
  // Rectangles cut out of the last popup's region, in picture coordinates.
  const std::vector<paint::TRect>& ArOR() const { return FArOR; }

  // Draws over an item's picture (its device context) before it is shown.
  std::function<void(ui::TMenuItem& item, HDC canvas, TSkMenuItemKind kind, UINT state, const RECT& r)> OnDrawItem;

 private:
  TSkMenuExtraLine ExtraLineData(const ui::TMenuItem& first) const;
  // Follows the window's adapter (when the hook gave it one): the frame after
  // each system painting, the picture dropped when the window goes.
  void ConnectWindow(HWND window);
  void WindowDestroyed(HWND window);
  // An item's device context and where its origin lies on the popup's
  // picture (the picture covers the whole window, frame included).
  struct TItemCanvas {
    HDC Dc = nullptr;
    paint::TPoint Origin;
  };
  void DrawDivider(const TSkMenuInfo& info, const TItemCanvas& canvas, const RECT& r, bool first_column);
  void DrawCaption(const ui::TMenuItem& item, const TSkMenuInfo& info, const TItemCanvas& canvas, const RECT& r);
  void DrawNormal(ui::TMenuItem& item, const TSkMenuInfo& info, const TItemCanvas& canvas, const RECT& r, UINT state,
                  bool first_column);
  void DrawFrameNear(const TSkMenuInfo& info, paint::TPoint origin, const RECT& r, bool first, bool last);
  // Below the last item of a column, down to the frame: the picture; before
  // a bar break, the line between the columns.
  void DrawColumnEnd(const ui::TMenuItem& item, const TSkMenuInfo& info, const TItemCanvas& canvas, const RECT& r);
  // The popup's picture size from its items, for a popup whose window is not known.
  SIZE ComputedSize(const ui::TMenuItem& first);

  TSkinManager& FOwner;
  std::int32_t FSkinBorderWidth = -1;  // -1: not read yet
  bool BorderDrawing = false;
  std::vector<paint::TRect> FArOR;
  std::vector<TSkMenuInfo> FMenuInfos;
  // Expires with the painter, so that adapters outliving it call nothing.
  std::shared_ptr<TSkinableMenus*> FSelf = std::make_shared<TSkinableMenus*>(this);
};

// The popup menu window that a device context draws on, or none.
HWND MenuWindowOfDc(HDC canvas);

}  // namespace vorlan::skin
