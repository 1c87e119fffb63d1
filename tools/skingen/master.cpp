#include "master.h"

#include <cmath>
#include <functional>

#include "layout.h"
#include "palette.h"

namespace skingen {

namespace pal = palette;
using layout::Box;

namespace {

enum State { kNormal = 0, kHot = 1, kPressed = 2 };
using FrameDrawer = std::function<void(Canvas&, int frame)>;

// Draws `count` frames side by side into `box`; keyed frames blend their
// soft edges over `matte`, masked ones get a mask row below.
void Keyed(Image24& m, const Box& box, int count, Rgb matte, const FrameDrawer& draw) {
  const int fw = box.Width() / count;
  for (int i = 0; i < count; ++i) {
    Canvas c(fw, box.Height());
    draw(c, i);
    m.PutKeyed(c, box.left + i * fw, box.top, matte);
  }
}

void Masked(Image24& m, const Box& box, int count, const FrameDrawer& draw) {
  const int fw = box.Width() / count, fh = box.Height() / 2;
  for (int i = 0; i < count; ++i) {
    Canvas c(fw, fh);
    draw(c, i);
    m.PutMasked(c, box.left + i * fw, box.top, fh);
  }
}

// A 3x3 one-pixel outline without a mask: sides `side`, corners `corner`,
// centre left to the key.
void Outline3(Image24& m, int x, int y, Rgb side, Rgb corner, bool keyCorners = false) {
  for (int dy = 0; dy < 3; ++dy) {
    for (int dx = 0; dx < 3; ++dx) {
      const bool isCorner = dx != 1 && dy != 1;
      const bool isCentre = dx == 1 && dy == 1;
      if (isCentre || (isCorner && keyCorners)) continue;
      m.At(x + dx, y + dy) = isCorner ? corner : side;
    }
  }
}

// ---- glyph shapes, centred on (cx, cy) ----
Shape Cross(double cx, double cy, double r, double hw) {
  return Union(Segment(cx - r, cy - r, cx + r, cy + r, hw), Segment(cx - r, cy + r, cx + r, cy - r, hw));
}
Shape Tick(double x, double y, double s, double hw) {
  return Polyline({{x, y + 0.5 * s}, {x + 0.38 * s, y + 0.88 * s}, {x + s, y}}, hw);
}
Shape MaxGlyph(double cx, double cy, double r, double hw) {
  return Union(Ring(RoundRect(cx - r, cy - r, cx + r, cy + r, 1), hw),
               Segment(cx - r, cy - r + hw, cx + r, cy - r + hw, hw));
}
Shape NormGlyph(double cx, double cy, double r, double hw) {
  const double s = r * 0.75, o = r * 0.3;
  const Shape front = RoundRect(cx - r, cy - r + 2 * o, cx - r + 2 * s, cy - r + 2 * o + 2 * s, 1);
  const Shape back = RoundRect(cx - r + 2 * o, cy - r, cx - r + 2 * o + 2 * s, cy - r + 2 * s, 1);
  return Union(Ring(front, hw), Subtract(Ring(back, hw), RoundRect(cx - r - 1, cy - r + 2 * o - hw, cx - r + 2 * s + hw,
                                                                   cy + r + 2, 0)));
}
Shape MinGlyph(double cx, double cy, double r, double hw) {
  return Segment(cx - r, cy + r * 0.6, cx + r, cy + r * 0.6, hw);
}
Shape HelpGlyph(double cx, double cy, double r, double hw) {
  std::vector<std::pair<double, double>> pts;
  const double ar = r * 0.55, acy = cy - r * 0.45;
  for (int i = 0; i <= 10; ++i) {  // the hook: from the left, over the top, down the right
    const double a = M_PI * (1.0 + 1.25 * i / 10.0);
    pts.push_back({cx + ar * std::cos(a), acy + ar * std::sin(a)});
  }
  pts.push_back({cx, cy + r * 0.35});
  return Union(Polyline(pts, hw), Circle(cx, cy + r * 0.85, hw * 1.2));
}
enum class Dir { kDown, kUp, kRight, kLeft };
Shape Chevron(double cx, double cy, double r, double hw, Dir dir) {
  std::vector<std::pair<double, double>> pts{{-r, -r * 0.5}, {0, r * 0.5}, {r, -r * 0.5}};  // pointing down
  for (auto& [x, y] : pts) {
    const double dx = x, dy = y;
    if (dir == Dir::kUp) y = -dy;
    if (dir == Dir::kRight) x = dy, y = dx;
    if (dir == Dir::kLeft) x = -dy, y = dx;
    x += cx;
    y += cy;
  }
  return Polyline(pts, hw);
}

// ---- title buttons ----
void TitleButtons(Image24& m, const Box& box, const std::function<Shape(double, double)>& glyph, bool close) {
  Keyed(m, box, 3, pal::kAccentMid, [&](Canvas& c, int f) {
    const double w = c.Width(), h = c.Height();
    if (f != kNormal) {
      Rgb bg =
          close ? (f == kHot ? pal::kClose : pal::kCloseDark)
                : (f == kHot ? Mix(pal::kWhite, pal::kAccentMid, 0.28) : Mix(pal::kAccentDeep, pal::kAccentMid, 0.6));
      c.Fill(RoundRect(1.5, 1.5, w - 1.5, h - 1.5, 4), Solid(bg));
    }
    if (glyph) c.Fill(glyph(w / 2, h / 2), Solid(pal::kWhite));
  });
}

void SmallTitleGlyphs(Image24& m, const Box& box, const std::function<Shape(double, double)>& glyph) {
  const Rgb colors[3] = {pal::kWhite, pal::kMenuHotTop, pal::kTitleLight};
  Keyed(m, box, 3, pal::kAccentMid,
        [&](Canvas& c, int f) { c.Fill(glyph(c.Width() / 2.0, c.Height() / 2.0), Solid(colors[f])); });
}

// ---- check boxes and radio buttons ----
void Box13(Canvas& c, double x, double y, double size, int f) {
  const Rgb fill = f == kNormal ? pal::kWhite : f == kHot ? Rgb{246, 252, 243} : pal::kTitleLight;
  const Rgb edge = f == kNormal ? pal::kBorderDark : f == kHot ? pal::kAccent : pal::kAccentDark;
  c.Fill(RoundRect(x, y, x + size, y + size, 2.5), Solid(edge));
  c.Fill(RoundRect(x + 1, y + 1, x + size - 1, y + size - 1, 1.5), VerticalGradient(y, pal::kWhite, y + size, fill));
}

void CheckBoxes(Image24& m) {
  for (int kind = 0; kind < 3; ++kind) {  // checked, unchecked, grayed
    const Box& box = kind == 0 ? layout::kBoxChecked : kind == 1 ? layout::kBoxUnchecked : layout::kBoxGrayed;
    Keyed(m, box, 3, pal::kPanel, [&](Canvas& c, int f) {
      Box13(c, 2, 1, 13, f);
      if (kind == 0) c.Fill(Tick(5, 4.5, 7, 0.95), Solid(f == kNormal ? pal::kAccentDark : pal::kAccentDeep));
      if (kind == 2) c.Fill(RoundRect(5.5, 4.5, 11.5, 10.5, 1), Solid(f == kNormal ? pal::kBorderDark : pal::kAccent));
    });
  }
  const Box& s = layout::kSmallBoxes;  // unchecked, checked, grayed; one frame each
  for (int kind = 0; kind < 3; ++kind) {
    Keyed(m, {s.left + kind * 11, s.top, s.left + kind * 11 + 11, s.bottom}, 1, pal::kPanel, [&](Canvas& c, int) {
      Box13(c, 0.5, 0.5, 10, kNormal);
      if (kind == 1) c.Fill(Tick(3, 3, 5, 0.8), Solid(pal::kAccentDark));
      if (kind == 2) c.Fill(RoundRect(3.5, 3.5, 7.5, 7.5, 0.5), Solid(pal::kBorderDark));
    });
  }
}

void Radio(Canvas& c, double cx, double cy, int f, bool checked) {
  const Rgb edge = f == kNormal ? pal::kBorderDark : f == kHot ? pal::kAccent : pal::kAccentDark;
  const Rgb fill = f == kPressed ? pal::kTitleLight : pal::kWhite;
  c.Fill(Circle(cx, cy, 6.5), Solid(edge));
  c.Fill(Circle(cx, cy, 5.5), VerticalGradient(cy - 6, pal::kWhite, cy + 6, fill));
  if (checked) c.Fill(Circle(cx, cy, 3), VerticalGradient(cy - 3, pal::kAccent, cy + 3, pal::kAccentDark));
}

void Radios(Image24& m) {
  Masked(m, layout::kRadioChecked, 1, [](Canvas& c, int) { Radio(c, 8.5, 8.5, kNormal, true); });
  Keyed(m, layout::kRadioUnchecked, 3, pal::kPanel, [](Canvas& c, int f) { Radio(c, 8.5, 7.5, f, false); });
}

// ---- borders ----
void SmallBorders(Image24& m) {
  // Button: three states over one stretched centre that the gradient shows
  // through; the form, its title and dialogs use the first frame alone.
  const Rgb edges[3] = {pal::kBorderDark, pal::kAccentDark, pal::kAccentDeep};
  for (int f = 0; f < 3; ++f) {
    const int x = f * 3;
    Outline3(m, x, 0, edges[f], Mix(edges[f], pal::kWindow, 0.55));
    for (int dy = 0; dy < 3; ++dy) {
      for (int dx = 0; dx < 3; ++dx) {
        const bool isCorner = dx != 1 && dy != 1, isCentre = dx == 1 && dy == 1;
        const std::uint8_t v = isCentre ? 255 : isCorner ? 150 : 0;
        m.At(x + dx, 3 + dy) = {v, v, v};
      }
    }
  }
  const Box& p = layout::kPanelBorder;
  Outline3(m, p.left, p.top, pal::kBorder, Mix(pal::kBorder, pal::kWindow, 0.5));
  const Box& mi = layout::kMenuItemBorder;
  Outline3(m, mi.left, mi.top, pal::kMenuHotBorder, Mix(pal::kMenuHotBorder, pal::kMenuHotTop, 0.45));
  const Box& e = layout::kEditBorder;
  Outline3(m, e.left, e.top, pal::kBorderDark, pal::kBorderDark, true);
  Outline3(m, e.left + 3, e.top, pal::kAccent, pal::kAccent, true);
  const Box& g = layout::kDivider;
  for (int dx = 0; dx < 3; ++dx) {
    m.At(g.left + dx, g.top) = pal::kBorder;
    m.At(g.left + dx, g.top + 1) = pal::kWhite;
  }
  const Box& s = layout::kSunken;
  Outline3(m, s.left, s.top, pal::kBorderDark, Mix(pal::kBorderDark, pal::kWhite, 0.5));
  m.At(s.left + 2, s.top + 1) = pal::kWhite;
  m.At(s.left + 1, s.top + 2) = pal::kWhite;
  m.At(s.left + 2, s.top + 2) = pal::kWhite;
}

void HintAndEffects(Image24& m) {
  Masked(m, layout::kHintBorder, 1, [](Canvas& c, int) {
    c.Shadow(RoundRect(4, 4, 30, 31, 5), 4, {0, 0, 0}, 0.22);
    c.Fill(RoundRect(2.5, 1.5, 29.5, 28.5, 4), Solid(pal::kBorder));
    c.Fill(RoundRect(3.5, 2.5, 28.5, 27.5, 3), VerticalGradient(2, pal::kWhite, 28, pal::kPanel));
  });
  Masked(m, layout::kShadowMask, 1, [](Canvas& c, int) { c.Shadow(RoundRect(5, 5.5, 6, 6.5, 0), 5, {0, 0, 0}, 0.5); });
  Masked(m, layout::kLightMask, 1, [](Canvas& c, int) { c.Shadow(RoundRect(5, 5, 6, 6, 0), 5, pal::kWhite, 0.9); });
  Masked(m, layout::kProgressBorder, 1, [](Canvas& c, int) {
    c.Fill(Ring(RoundRect(1, 1, 8, 8, 3), 0.5), Solid(pal::kAccentDeep, 0.8));
    c.Fill(Subtract(RoundRect(-1, -1, 10, 10, 0), RoundRect(0.5, 0.5, 8.5, 8.5, 3.5)), Solid(pal::kWindow));
  });
  Keyed(m, layout::kGroupBorder, 1, pal::kWindow,
        [](Canvas& c, int) { c.Fill(Ring(RoundRect(0.5, 0.5, 8.5, 8.5, 3), 0.5), Solid(pal::kBorder)); });
  Masked(m, layout::kFlatButton, 3, [](Canvas& c, int f) {
    if (f == kNormal) return;
    c.Fill(Ring(RoundRect(0.5, 0.5, 6.5, 6.5, 2), 0.5), Solid(f == kHot ? pal::kAccent : pal::kAccentDark));
  });
  Masked(m, layout::kSwitchTrack, 1, [](Canvas& c, int) {
    c.Fill(RoundRect(0.5, 2.5, 15.5, 13.5, 5.5), Solid(pal::kBorderDark));
    c.Fill(RoundRect(1.5, 3.5, 14.5, 12.5, 4.5), Solid(pal::kWhite));
  });
  Masked(m, layout::kSwitchThumb, 1, [](Canvas& c, int) {
    c.Shadow(Circle(8, 8.8, 6), 1.5, {0, 0, 0}, 0.25);
    c.Fill(Circle(8, 8, 6.5), Solid(pal::kBorderDark));
    c.Fill(Circle(8, 8, 5.5), VerticalGradient(2, pal::kWhite, 14, pal::kButton));
  });
}

// ---- scroll bars, tabs, arrows ----
void ScrollParts(Image24& m) {
  const Rgb fills[3] = {pal::kThumb, pal::kThumbHot, pal::kThumbPressed};
  Masked(m, layout::kThumbBorder, 3, [&](Canvas& c, int f) {
    c.Fill(RoundRect(1, 1, 11, 11, 4), Solid(Mix(fills[f], {0, 0, 0}, 0.88)));
    c.Fill(RoundRect(2, 2, 10, 10, 3), Solid(fills[f]));
  });
  const Rgb arrows[3] = {pal::kGlyph, pal::kAccentDark, pal::kAccentDeep};
  struct ArrowBox {
    const Box* box;
    Dir dir;
  };
  const ArrowBox boxes[] = {{&layout::kArrowLeft, Dir::kLeft},
                            {&layout::kArrowRight, Dir::kRight},
                            {&layout::kArrowUp, Dir::kUp},
                            {&layout::kArrowDown, Dir::kDown}};
  for (const ArrowBox& a : boxes) {
    Keyed(m, *a.box, 3, pal::kScrollTrack,
          [&](Canvas& c, int f) { c.Fill(Chevron(4.5, 4.5, 2.6, 0.8, a.dir), Solid(arrows[f])); });
  }
  Keyed(m, layout::kComboArrow, 3, pal::kWhite,
        [&](Canvas& c, int f) { c.Fill(Chevron(5, 5, 3, 0.85, Dir::kDown), Solid(arrows[f])); });
}

void Tabs(Image24& m) {
  // Drawn once for the top side, then turned for the others.
  const Box* boxes[] = {&layout::kTabTop, &layout::kTabBottom, &layout::kTabLeft, &layout::kTabRight};
  const Turn turns[] = {Turn::kNone, Turn::kFlipVertical, Turn::kLeft, Turn::kRight};
  for (int side = 0; side < 4; ++side) {
    const Box& box = *boxes[side];
    const int fw = box.Width() / 3, fh = box.Height() / 2;
    for (int f = 0; f < 3; ++f) {
      Canvas c(fw, fh);
      const Rgb top = f == kNormal ? pal::kButtonTop : pal::kWhite;
      const Rgb bottom = f == kNormal ? pal::kButton : f == kHot ? pal::kPanel : pal::kWhite;
      c.Fill(RoundRect(0.5, 0.5, fw - 0.5, fh + 6, 4), Solid(f == kPressed ? pal::kBorderDark : pal::kBorder));
      c.Fill(RoundRect(1.5, 1.5, fw - 1.5, fh + 6, 3), VerticalGradient(1, top, fh, bottom));
      if (f == kHot) c.Fill(RoundRect(2, 1, fw - 2, 3, 1), Solid(pal::kAccent, 0.8));
      m.PutMasked(Turned(c, turns[side]), box.left + f * fw, box.top, fh);
    }
  }
}

// ---- the rest ----
void Grip(Image24& m) {
  // Its lower rows are shared with the small close glyphs below, so the dots
  // sit in the upper part.
  Keyed(m, layout::kGrip, 1, pal::kWindow, [](Canvas& c, int) {
    for (int row = 0; row < 3; ++row) {
      for (int col = 2 - row; col < 3; ++col) {
        const double x = 6.5 + col * 3, y = 2.5 + row * 3;
        c.Fill(Circle(x + 0.6, y + 0.6, 0.9), Solid(pal::kWhite));
        c.Fill(Circle(x, y, 0.9), Solid(pal::kBorderDark));
      }
    }
  });
}

void FormCorner(Image24& m) {
  // A quiet watermark of arcs below the title bar.
  Keyed(m, layout::kFormCorner, 1, pal::kWindow, [](Canvas& c, int) {
    const double cx = c.Width() + 30, cy = 10;
    const Shape below = RoundRect(-10, 48, c.Width() + 10, c.Height() + 10, 0);
    for (int i = 0; i < 4; ++i) {
      const double r = 95 + i * 32;
      c.Fill(Subtract(Ring(Circle(cx, cy, r), 1.1 - i * 0.15), Subtract(RoundRect(-500, -500, 1000, 1000, 0), below)),
             Solid(Mix(pal::kAccent, pal::kWindow, 0.16 - i * 0.03)));
    }
  });
}

}  // namespace

Canvas Turned(const Canvas& c, Turn turn) {
  if (turn == Turn::kNone) return c;
  const bool swap = turn == Turn::kLeft || turn == Turn::kRight;
  Canvas out(swap ? c.Height() : c.Width(), swap ? c.Width() : c.Height());
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      int nx = x, ny = y;
      if (turn == Turn::kFlipVertical) ny = c.Height() - 1 - y;
      if (turn == Turn::kLeft) nx = y, ny = c.Width() - 1 - x;    // top edge goes to the left
      if (turn == Turn::kRight) nx = c.Height() - 1 - y, ny = x;  // top edge goes to the right
      out.At(nx, ny) = c.At(x, y);
    }
  }
  return out;
}

Image24 DrawMaster() {
  Image24 m(layout::kMasterWidth, layout::kMasterHeight);
  FormCorner(m);
  Grip(m);
  SmallBorders(m);
  CheckBoxes(m);
  Radios(m);
  Masked(m, layout::kCheck, 2,
         [](Canvas& c, int f) { c.Fill(Tick(3, 4, 8, 0.9), Solid(f == kNormal ? pal::kGlyph : pal::kText)); });
  HintAndEffects(m);
  ScrollParts(m);
  Tabs(m);

  const double hw = 0.75;
  TitleButtons(
      m, layout::kBigClose, [&](double x, double y) { return Cross(x, y, 4.2, hw); }, true);
  TitleButtons(
      m, layout::kBigCloseAlone, [&](double x, double y) { return Cross(x, y, 4.2, hw); }, true);
  TitleButtons(
      m, layout::kBigMax, [&](double x, double y) { return MaxGlyph(x, y, 4.5, 0.6); }, false);
  TitleButtons(
      m, layout::kBigNorm, [&](double x, double y) { return NormGlyph(x, y, 4.5, 0.6); }, false);
  TitleButtons(
      m, layout::kBigMin, [&](double x, double y) { return MinGlyph(x, y, 4.5, hw); }, false);
  TitleButtons(
      m, layout::kBigHelp, [&](double x, double y) { return HelpGlyph(x, y, 5, hw); }, false);
  TitleButtons(m, layout::kTitleButton, nullptr, false);
  SmallTitleGlyphs(m, layout::kSmallCloseAlone, [](double x, double y) { return Cross(x, y, 2, 0.6); });
  SmallTitleGlyphs(m, layout::kSmallNorm,
                   [](double x, double y) { return Ring(RoundRect(x - 2.5, y - 2.5, x + 2.5, y + 2.5, 0.5), 0.5); });
  SmallTitleGlyphs(m, layout::kSmallMin,
                   [](double x, double y) { return Segment(x - 2.5, y + 2, x + 2.5, y + 2, 0.6); });
  SmallTitleGlyphs(m, layout::kSmallHelp, [](double x, double y) { return HelpGlyph(x, y, 3, 0.55); });
  SmallTitleGlyphs(m, layout::kSmallClose, [](double x, double y) { return Cross(x, y, 3.2, 0.7); });
  return m;
}

}  // namespace skingen
