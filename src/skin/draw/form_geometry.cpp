#include "skin/draw/form_geometry.h"

#include <algorithm>

namespace vorlan::skin {

TFrameGeometry ComputeFrameGeometry(const TFrameStyle& style, const TFrameMetrics& metrics, std::int32_t width,
                                    std::int32_t height, std::int32_t clientWidth, std::int32_t clientHeight,
                                    std::int32_t formBorderWidth) {
  TFrameGeometry g;
  g.W = width;
  g.H = height;
  if (style.SizingFrame) {
    g.B = metrics.FrameWidth;
  } else if (style.DialogFrame || style.Border) {
    g.B = metrics.DialogFrameWidth;
  }
  g.B += formBorderWidth;
  if (style.Caption || style.Minimized) {
    g.CH = style.ToolWindow && !style.Minimized ? metrics.SmallCaptionHeight : metrics.CaptionHeight;
  }
  if (style.Caption) {
    g.HeaderHeight = height - clientHeight - g.B;
  } else {
    g.HeaderHeight = style.Border ? g.B : 0;
  }
  if (style.Minimized) g.HeaderHeight += g.B;
  g.HeaderHeight = std::max(0, g.HeaderHeight);
  g.OffsetX = (width - clientWidth) / 2;
  g.OffsetY = height - clientHeight - (style.Border ? g.B : 0);
  return g;
}

TFrameStrips FrameStrips(const TFrameGeometry& g) {
  const std::int32_t t = g.HeaderHeight;
  return TFrameStrips{
      TRect{0, 0, g.W, t},
      TRect{0, t, g.B, g.H},
      TRect{g.B, g.H - g.B, g.W, g.H},
      TRect{g.W - g.B, t, g.W, g.H},
  };
}

std::int32_t IconSizeForCaption(std::int32_t captionHeight) {
  if (captionHeight <= 8) return 1;
  if (captionHeight <= 16) return 8;
  return 16;
}

TTitleLayout ComputeTitleLayout(const TTitleLayoutInput& in) {
  const TFrameGeometry& f = in.Frame;
  TTitleLayout out;
  out.VCenter = f.CH / 2 + f.B / 2 + (in.Maximized ? 2 : 0);

  const std::int32_t iconLeft = f.B + in.BILeft;
  std::int32_t iconWidth = 0;
  if (in.IconShown) {
    const std::int32_t derived = IconSizeForCaption(f.CH);
    iconWidth = in.IconWidth != 0 ? in.IconWidth : derived;
    const std::int32_t iconHeight = in.IconHeight != 0 ? in.IconHeight : derived;
    const std::int32_t top = out.VCenter - iconHeight / 2;
    out.IconRect = TRect{iconLeft, top, iconLeft + iconWidth, top + iconHeight};
  } else {
    out.IconRect = TRect{iconLeft, out.VCenter, iconLeft, out.VCenter};
  }

  std::int32_t edge = f.W - in.BIRight - std::max(4, f.B) - (in.SmallButtons ? 2 : 0);
  const auto place = [&](const TTitleButtonSpec& spec, TRect& rect) {
    if (!spec.Visible) return;
    std::int32_t top = out.VCenter - spec.Height / 2;
    if (spec.Large && in.BIVAlign == 1) top = in.Maximized ? in.MaximizedTop : 0;
    rect = TRect{edge - spec.Width, top, edge, top + spec.Height};
    edge = rect.Left - (spec.Large ? in.BISpace : 0);
  };
  place(in.Close, out.Close);
  place(in.Max, out.Max);
  place(in.Min, out.Min);
  if (in.Help.Visible) edge -= 6;
  place(in.Help, out.Help);

  out.TitleBtnsWidth = in.BIRight + (in.Close.Visible ? in.Close.Width : 0);
  for (const TTitleButtonSpec* spec : {&in.Max, &in.Min, &in.Help}) {
    if (spec->Visible) out.TitleBtnsWidth += spec->Width + (spec->Large ? in.BISpace : 0);
  }

  const std::int32_t left = f.B + iconWidth + in.BILeft + (in.CaptionSection ? 2 : 0) + 4;
  out.CaptionRect = TRect{left, 0, f.W - out.TitleBtnsWidth - 12, f.B + f.CH};
  return out;
}

}  // namespace vorlan::skin
