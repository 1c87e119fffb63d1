#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>

#include "skin/controls/adapters/adapter_scroll.h"
#include "skin/data/broadcast.h"

// The adapter of a popup menu's window ("#32768", section "MAINMENU"),
// attached by the window-creation hook when the system makes the window and
// kept in the hook's list of foreign windows. Besides the common adapter
// work it tells the menu painter when the region must be set anew, keeps
// the painter's frame over the system's own painting, and releases itself
// when the window is destroyed.
namespace vorlan::skin {

inline constexpr std::u16string_view kMenuWindowSection = u"MAINMENU";

class TSkMnuWnd : public TSkScrollWnd, public ISkinForeignWindow {
 public:
  using TWindowHandler = std::function<void(HWND window)>;
  using TReleased = std::function<void(TSkMnuWnd& adapter)>;

  // Create with MakeAdapter. `released` runs once, as the last thing, when
  // the window is destroyed: its owner may drop the adapter then.
  TSkMnuWnd(HWND window, TSkinManager* manager, TReleased released);

  // The live adapter of a window, or none.
  static TSkMnuWnd* Find(HWND window);

  std::u16string_view SkinSection() const { return kMenuWindowSection; }

  // The painter that owns the window's picture: `draw_frame` after every
  // system painting of the window, `destroyed` when the window goes. A new
  // connection replaces the old one; empty functions disconnect.
  void ConnectPainter(TWindowHandler draw_frame, TWindowHandler destroyed);

  // Set by command 14 while the window is visible: the region must be set anew.
  bool RegionChanged = false;
  bool RegionSet = false;                  // the painter has given the window its region
  std::pair<int, int> RegionSize{-1, -1};  // the window size that region was made for

  // ISkinForeignWindow
  bool IsVisible() const override;
  std::intptr_t Send(const TSkinMessage& message) override;
  void Redraw() override;

 protected:
  std::u16string_view DefaultSection() const override { return kMenuWindowSection; }
  void skWndProc(ui::TMessage& message) override;
  void Released() override;

 private:
  bool MenuCommand(ui::TMessage& message);
  std::pair<int, int> WindowSize() const;

  TReleased released_;
  TWindowHandler draw_frame_;
  TWindowHandler destroyed_;
};

}  // namespace vorlan::skin
