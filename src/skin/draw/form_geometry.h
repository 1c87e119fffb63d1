#pragma once

#include <cstdint>

#include "paint/geometry.h"

// Where a skinned form's frame, title content and client area lie inside the
// whole-window picture. Pure arithmetic on the window's style and the
// platform's metrics, so that it can be computed from the live window every
// time it is needed.
namespace vorlan::skin {

using paint::TRect;

// The parts of a window's style the frame depends on.
struct TFrameStyle {
  bool Caption = true;       // WS_CAPTION
  bool Border = true;        // WS_BORDER (part of every captioned style)
  bool SizingFrame = true;   // WS_THICKFRAME
  bool DialogFrame = false;  // a thin fixed border only (WS_DLGFRAME without a sizing frame)
  bool ToolWindow = false;
  bool Minimized = false;
  bool Maximized = false;
};

// The platform's frame and caption metrics, read once.
struct TFrameMetrics {
  std::int32_t FrameWidth = 0;          // SM_CXFRAME (with the padded border)
  std::int32_t DialogFrameWidth = 0;    // SM_CXDLGFRAME
  std::int32_t CaptionHeight = 0;       // SM_CYCAPTION
  std::int32_t SmallCaptionHeight = 0;  // SM_CYSMCAPTION
};

struct TFrameGeometry {
  std::int32_t B = 0;             // border width (and height)
  std::int32_t CH = 0;            // caption height
  std::int32_t W = 0, H = 0;      // outer size
  std::int32_t HeaderHeight = 0;  // the whole top non-client height
  std::int32_t OffsetX = 0;       // client origin inside the window picture
  std::int32_t OffsetY = 0;

  TRect ClientRect(std::int32_t clientWidth, std::int32_t clientHeight) const {
    return paint::MakeRect(OffsetX, OffsetY, clientWidth, clientHeight);
  }
};

// formBorderWidth is the form's own border width property (0 on most forms).
TFrameGeometry ComputeFrameGeometry(const TFrameStyle& style, const TFrameMetrics& metrics, std::int32_t width,
                                    std::int32_t height, std::int32_t clientWidth, std::int32_t clientHeight,
                                    std::int32_t formBorderWidth = 0);

// The four strips of the non-client area in the order they are copied: top
// (the whole header), left, bottom, right. The client rectangle lies in none.
struct TFrameStrips {
  TRect Top, Left, Bottom, Right;
};
TFrameStrips FrameStrips(const TFrameGeometry& g);

// ---- title layout ----

// A system title button as the layout needs it.
struct TTitleButtonSpec {
  bool Visible = false;
  std::int32_t Width = 21, Height = 21;
  bool Large = true;  // the large image set (follows BIVALIGN)
};

struct TTitleLayoutInput {
  TFrameGeometry Frame;
  bool IconShown = true;
  std::int32_t IconWidth = 0, IconHeight = 0;  // TitleIcon's size; 0 = from the caption height
  std::int32_t BILeft = 0, BIRight = 0, BISpace = 0, BIVAlign = 0;
  bool SmallButtons = false;  // tool windows
  bool Maximized = false;
  std::int32_t MaximizedTop = 0;  // SM_CXFRAME − 1: where aligned buttons start on a maximized window
  TTitleButtonSpec Close, Max, Min, Help;
  bool CaptionSection = false;  // the skin has a CAPTION section
};

struct TTitleLayout {
  std::int32_t VCenter = 0;
  TRect IconRect;
  TRect Close, Max, Min, Help;  // empty when not shown
  std::int32_t TitleBtnsWidth = 0;
  TRect CaptionRect;  // where the caption text may go, before alignment
};

// The icon size derived from the caption height: ≤ 8 → 1, 9..16 → 8, else 16.
std::int32_t IconSizeForCaption(std::int32_t captionHeight);

TTitleLayout ComputeTitleLayout(const TTitleLayoutInput& in);

}  // namespace vorlan::skin
