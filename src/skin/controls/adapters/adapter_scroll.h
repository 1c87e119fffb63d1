#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/controls/adapters/adapter_base.h"
#include "skin/draw/scroll_geometry.h"

// Skinned scroll bars for a window with the platform's scroll styles: the
// adapter takes the bars' space in the non-client area itself, paints them
// from the skin's scroll sections and tracks arrows, pages and thumb; the
// window gets the same WM_VSCROLL / WM_HSCROLL messages as from its own bars.
namespace vorlan::skin {

// One bar of a window, as the adapter last saw it.
struct TSkScrollBar {
  bool Vertical = true;
  TScrollRange Range;
  std::int32_t Pos = 0;
  std::int32_t TrackPos = 0;
  bool fScrollVisible = false;  // the bar got space at the last frame calculation
  bool Enabled = true;
  RECT Rect{};  // window coordinates
};

class TSkScrollWnd : public TSkMainWnd {
 public:
  TSkScrollWnd(HWND window, const TSkinParams& params, TSkinManager* manager, TSkinCommonData* data = nullptr);
  ~TSkScrollWnd() override;

  const TSkScrollBar& HorzBar() const { return FHorz; }
  const TSkScrollBar& VertBar() const { return FVert; }
  // The bar's parts now (window coordinates).
  TScrollBarLayout Layout(const TSkScrollBar& bar) const;

  // The window's non-client edges at the last frame calculation.
  std::int32_t cxLeftEdge = 0, cxRightEdge = 0, cyTopEdge = 0, cyBottomEdge = 0;
  bool fLeftScrollbar = false;

 protected:
  std::unique_ptr<TSkinCommonData> InitSkinData() override;
  void AfterCreation() override;
  void skWndProc(ui::TMessage& message) override;
  // The window's frame beyond the bars (an edit's border); after the bars.
  virtual void PaintFrame(HDC /*windowDc*/) {}
  void PaintBars(HDC windowDc);

  std::int32_t Thickness(bool vertical) const;
  std::int32_t ButtonSize(bool vertical) const;

 private:
  bool ScrollMessage(ui::TMessage& message);
  void CalcSize(ui::TMessage& message);
  void NcPaint(ui::TMessage& message);
  LRESULT HitTest(POINT screen);
  void StartTracking(TSkScrollBar& bar, POINT window);
  // The mouse over the frame: over a bar the part under it looks hot (the
  // message is the bar's: true), elsewhere no part does.
  bool HotTrack(ui::TMessage& message);
  // The part under the mouse looks hot; none when `bar` is null.
  void SetHotPart(const TSkScrollBar* bar, TScrollPart part);
  void Track(POINT client);
  void EndTracking(bool release);
  // A thumb message (SB_THUMBTRACK, SB_THUMBPOSITION) for the bar's TrackPos.
  void SendThumb(const TSkScrollBar& bar, int code);
  void Step();
  void ReadScrollInfo();
  void PaintBar(HDC windowDc, const TSkScrollBar& bar);
  // Runs the previous procedure with the scroll styles off, so that the
  // platform neither makes room for nor draws its own bars.
  void WithoutScrollStyles(ui::TMessage& message);
  POINT ToWindow(POINT screen) const;
  static TSkScrollBar Bar(bool vertical) {
    TSkScrollBar bar;
    bar.Vertical = vertical;
    return bar;
  }

  TSkScrollBar FHorz = Bar(false);
  TSkScrollBar FVert = Bar(true);
  bool ScrollsInitialized = false;
  bool bPreventStyleChange = false;
  bool fThumbTracking = false;
  TSkScrollBar* FTracked = nullptr;
  TScrollPart FTrackPart = TScrollPart::None;
  std::int32_t FGrab = 0;  // where the thumb was taken, from its leading edge
  bool FOverPart = false;
  const TSkScrollBar* FHotBar = nullptr;  // the bar with the hot part, none
  TScrollPart FHotPart = TScrollPart::None;
};

// Edits, memos and list boxes: skinned bars, the frame from the section
// (EDIT by default) in the hot look while hovered or focused, the platform
// painting the content.
class TSkEditWnd : public TSkScrollWnd {
 public:
  using TSkScrollWnd::TSkScrollWnd;

 protected:
  std::u16string_view DefaultSection() const override { return u"EDIT"; }
  void SaveStdParams() override;
  void RestoreStdParams() override;
  void SetSkinParams() override;
  void skWndProc(ui::TMessage& message) override;
  void PaintFrame(HDC windowDc) override;
  void Repaint() override;

 private:
  TColor FSavedColor = 0;
  TColor FSavedFontColor = 0;
};

}  // namespace vorlan::skin
