#include "options.h"

#include <cstdio>
#include <stdexcept>
#include <utility>
#include <vector>

#include "layout.h"
#include "palette.h"

namespace skingen {

namespace layout {

namespace {
std::string Num4(int v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04d", v);
  return buf;
}
}  // namespace

// Appends separator and value one at a time: "x" + temporary trips GCC 12's
// false -Wrestrict report at -O3.
void AppendField(std::string& s, char separator, const std::string& value) {
  s += separator;
  s += value;
}

std::string BorderEntry(const Box& b, int wl, int wt, int wr, int wb, int count, int maskType, int drawMode,
                        int borderWidth) {
  std::string s;
  for (int v : {b.left, b.top, b.right, b.bottom, wl, wt, wr, wb}) AppendField(s, '^', Num4(v));
  for (int v : {count, maskType, drawMode, borderWidth}) AppendField(s, '^', std::to_string(v));
  return s;
}

std::string GlyphEntry(const Box& b, int count, int maskType) {
  std::string s;
  for (int v : {b.left, b.top, b.right, b.bottom}) AppendField(s, '@', Num4(v));
  AppendField(s, '@', std::to_string(count));
  AppendField(s, '@', std::to_string(maskType));
  return s;
}

}  // namespace layout

namespace {

namespace pal = palette;
using layout::BorderEntry;
using layout::GlyphEntry;
using Keys = std::vector<std::pair<std::string, std::string>>;

struct Section {
  std::string name;
  Keys keys;
};

std::string C(Rgb c) { return std::to_string(SkinColor(c)); }

struct Piece {
  Rgb from, to;
  int percent;
};
std::string Gradient(std::initializer_list<Piece> pieces) {
  std::string s;
  for (const Piece& p : pieces) {
    if (!s.empty()) s += ";";
    s += C(p.from) + ";" + C(p.to) + ";" + std::to_string(p.percent) + ";0;0";
  }
  return s;
}

// Borders shared by several sections.
const std::string kFrameBorder = "^0000^0000^0003^0003^0001^0001^0001^0001^1^0^1^1";
const std::string kButtonBorder = "^0000^0000^0009^0006^0001^0001^0001^0001^3^1^5^1";
const std::string kPanelBorder = "^0013^0003^0016^0006^0001^0001^0001^0001^1^0^1^1";
const std::string kEditBorder = "^0065^0071^0071^0074^0001^0001^0001^0001^2^0^1^1";
const std::string kGlow = "!GLOWEDIT.PNG!1!0!3!0007!0007!0007!0007!1";
const std::string kHugeBorder = "!BTNHUGE.BMP!3!1!0!0031!0031!0031!0031!5";
const std::string kButtonGradient = "15135209;14018521;48;0;0;14018521;14018521;50;0;0;14018521;14018521;0;0;0";
const std::string kButtonHotGradient = "3257430;2924621;19;0;0;2924621;2529349;78;0;0;2529349;2529349;0;0;0";
const std::string kTitleGradient = "14018521;7253899;7;0;0;7253899;7253899;90;0;0;7253899;7253899;0;0;0";

std::string FlatBorder() { return BorderEntry(layout::kFlatButton, 3, 3, 3, 3, 3, 1, 3, 1); }
std::string DividerBorder() { return BorderEntry(layout::kDivider, 1, 1, 1, 1, 1, 0, 1, 1); }

Keys Globals() {
  return {{"MASTERBITMAP", "MASTER COPY.BMP"},
          {"VERSION", "10.00"},
          {"COLOR", "14675939"},
          {"HOTCOLOR", "16777215"},
          {"BORDERCOLOR", "12240315"},
          {"TCLEFT", "16777215"},
          {"SHADOW1COLOR", "1654556"},
          {"SHADOW1OFFSET", "1"},
          {"SHADOW1BLUR", "2"},
          {"BOXCHECKED", "@0019@0080@0070@0095@3@0"},
          {"SMALLCHECKED", "@0083@0073@0094@0084@1@0"},
          {"BOXUNCHECKED", "@0019@0095@0070@0110@3@0"},
          {"SMALLUNCHECKED", "@0072@0073@0083@0084@1@0"},
          {"BOXGRAYED", "@0019@0110@0070@0125@3@0"},
          {"SMALLGRAYED", "@0094@0073@0105@0084@1@0"},
          {"RADIOCHECKED", "@0087@0039@0104@0073@1@1"},
          {"RADIOUNCHECKED", "@0068@0084@0119@0099@3@0"},
          {"CHECK", "@0041@0125@0069@0153@2@1"},
          {"BICONHELP", "@0000@0353@0075@0376@3@0"},
          {"BICONMIN", "@0000@0284@0078@0307@3@0"},
          {"BICONCLOSE", "@0000@0238@0105@0261@3@0"},
          {"BICONNORM", "@0000@0261@0078@0284@3@0"},
          {"BICONMAX", "@0038@0205@0116@0228@3@0"},
          {"SICONHELP", "@0021@0029@0039@0036@3@0"},
          {"SICONMIN", "@0000@0029@0021@0036@3@0"},
          {"SICONCLOSE", "@0027@0153@0069@0167@3@0"},
          {"SICONNORM", "@0000@0022@0021@0029@3@0"},
          {"SICLOSEALONE", "@0000@0015@0021@0022@3@0"},
          {"SICONMAX", "@0000@0022@0021@0029@3@0"},
          {"GRIPIMAGE", "@0000@0006@0015@0021@1@0"},
          {"BISPACE", "-1"},
          {"BIRIGHT", "2"},
          {"EXBORDER", "!EXTBORDER.PNG!2!0!3!0060!0092!0060!0078!0"},
          {"BORDERMODE", "1"},
          {"BORDERWIDTH", "38"},
          {"FORMOFFSET", "22"},
          {"TITLEHEIGHT", "39"},
          {"BILEFT", "2"},
          {"CENTEROFFSET", "-2"},
          {"BIVALIGN", "1"},
          {"BICLOSEALONE", "@0000@0307@0105@0330@3@0"},
          {"TITLEBUTTON", "@0000@0330@0075@0353@3@0"},
          {"FONTCOLOR", "0"},
          {"TCTOP", "5539839"},
          {"TCBOTTOM", "16744448"},
          {"ALIGNOFFSETR", "4"},
          {"ALIGNOFFSETB", "-11"},
          {"ALIGNOFFSET", "-2"},
          {"ALIGNOFFSETT", "2"},
          {"BITOP", "-2"},
          {"SH_OPACITY", "33"},
          {"SH_OFFSETL", "4"},
          {"SH_OFFSETT", "2"},
          {"SH_OFFSETR", "4"},
          {"SH_OFFSETB", "6"},
          {"LO_SOURCE", "1"},
          {"LO_MASK", "^0108^0238^0119^0260^0005^0005^0005^0005^1^1^1^1"},
          {"LO_OFFSETL", "3"},
          {"LO_OFFSETT", "3"},
          {"LO_OFFSETB", "3"},
          {"LO_OFFSETR", "3"},
          {"LO_OPACITY", "222"},
          {"SH_SOURCE", "1"},
          {"SH_MASK", "^0104^0101^0115^0127^0005^0005^0005^0007^1^1^1^1"},
          {"BRIGHTMAX", "25"},
          {"EDITBG_EVEN", "15070185"}};
}

// The sections every window of the program paints with; their values are
// the skin's reference look.
Keys Form() {
  return {{"STATES", "2"},          {"COLOR", "14675939"},
          {"FONTCOLOR", "0"},       {"BORDERSMASK", kFrameBorder},
          {"HOTCOLOR", "14675939"}, {"PATTERN", "N/A"},
          {"IMAGEPERCENT", "0"},    {"IMGTOPRIGHT", "@0120@0000@0310@0340@1@0"}};
}
Keys FormTitle() {
  return {{"STATES", "2"},
          {"FONTCOLOR", "13952216"},
          {"BORDERSMASK", kFrameBorder},
          {"HGSIZE", "0"},
          {"HOTFONTCOLOR", "16777215"},
          {"COLOR", "15269871"},
          {"HOTCOLOR", "2661449"},
          {"GRADIENTPERCENT", "100"},
          {"GRADIENTDATA", kTitleGradient},
          {"HOTGRADIENTPERCENT", "100"},
          {"HOTGRADIENTDATA", kButtonHotGradient}};
}
Keys Panel() {
  return {{"STATES", "1"},
          {"COLOR", "14808056"},
          {"FONTCOLOR", "0"},
          {"GRADIENTPERCENT", "100"},
          {"GRADIENTDATA", "16777215;15661040;51;0;0;15661040;15661040;46;0;0;15661040;15661040;0;0;0"},
          {"BORDERSMASK", kPanelBorder},
          {"TRANSPARENCY", "50"}};
}
Keys Button() {
  return {{"STATES", "3"},
          {"COLOR", "15269871"},
          {"FONTCOLOR", "0"},
          {"HOTCOLOR", "13689318"},
          {"HOTFONTCOLOR", "16777215"},
          {"BORDERSMASK", kButtonBorder},
          {"GRADIENTPERCENT", "100"},
          {"HOTGRADIENTPERCENT", "100"},
          {"GRADIENTDATA", kButtonGradient},
          {"HOTGRADIENTDATA", kButtonHotGradient},
          {"FADINGENABLED", "1"},
          {"FADINGITERATIONS", "10"},
          {"TRANSPARENCY", "0"},
          {"OUTERMODE", "2"},
          {"GLOW", "1"},
          {"GLOW0", kGlow},
          {"GLOWMARGIN", "2"}};
}
Keys Edit() {
  return {{"STATES", "2"},    {"COLOR", "16777215"}, {"FONTCOLOR", "0"}, {"BORDERSMASK", kEditBorder},
          {"OUTERMODE", "1"}, {"GLOWMARGIN", "2"},   {"GLOW", "1"},      {"GLOW0", kGlow}};
}
Keys CheckBox() {
  return {{"STATES", "3"},        {"COLOR", "15269871"},      {"FONTCOLOR", "0"},
          {"HOTFONTCOLOR", "0"},  {"TRANSPARENCY", "100"},    {"HOTTRANSPARENCY", "100"},
          {"FADINGENABLED", "1"}, {"FADINGITERATIONS", "10"}, {"OUTERMODE", "0"}};
}
Keys MenuItem() {
  return {{"STATES", "2"},
          {"HOTGRADIENTPERCENT", "100"},
          {"HOTGRADIENTDATA", "9825023;8508926;97;0;0;8508926;8508926;0;0;0"},
          {"COLOR", "15000804"},
          {"BORDERSMASK", "^0015^0009^0018^0012^0001^0001^0001^0001^1^0^3^1"},
          {"TRANSPARENCY", "100"},
          {"OUTERMODE", "0"}};
}
Keys MenuLine() { return {{"STATES", "2"}, {"TRANSPARENCY", "100"}, {"HOTTRANSPARENCY", "100"}}; }
Keys MenuCaption() { return {{"STATES", "1"}, {"COLOR", "14675939"}}; }
Keys Selection() {
  return {{"STATES", "2"},
          {"HOTGRADIENTPERCENT", "100"},
          {"HOTGRADIENTDATA", "6743551;8508926;97;0;0;8508926;8508926;0;0;0"},
          {"COLOR", "11981529"},
          {"_BORDERSMASK", "^0015^0009^0018^0012^0001^0001^0001^0001^1^0^3^1"},
          {"HOTCOLOR", "7724286"}};
}
Keys Hint() {
  return {{"STATES", "1"},
          {"COLOR", "16777215"},
          {"FONTCOLOR", "0"},
          {"BORDERSMASK", "^0070^0099^0104^0167^0015^0012^0018^0021^1^1^5^1"},
          {"TRANSPARENCY", "100"}};
}
Keys Dialog() {
  return {{"STATES", "2"},
          {"COLOR", "14675939"},
          {"FONTCOLOR", "0"},
          {"BORDERSMASK", kFrameBorder},
          {"HOTCOLOR", "14675939"}};
}

// ---- the rest of the skin, in the same light theme ----
Keys PlainPanel(Rgb top, Rgb bottom, const std::string& border) {
  return {{"STATES", "1"},
          {"COLOR", C(bottom)},
          {"FONTCOLOR", "0"},
          {"GRADIENTPERCENT", "100"},
          {"GRADIENTDATA", Gradient({{top, bottom, 100}})},
          {"BORDERSMASK", border}};
}
Keys LikeButton(const std::string& border) {
  return {{"STATES", "3"},
          {"COLOR", "15269871"},
          {"FONTCOLOR", "0"},
          {"HOTCOLOR", "13689318"},
          {"HOTFONTCOLOR", "16777215"},
          {"BORDERSMASK", border},
          {"GRADIENTPERCENT", "100"},
          {"HOTGRADIENTPERCENT", "100"},
          {"GRADIENTDATA", kButtonGradient},
          {"HOTGRADIENTDATA", kButtonHotGradient}};
}
Keys Flat() {
  return {{"STATES", "3"},
          {"COLOR", C(pal::kWindow)},
          {"FONTCOLOR", "0"},
          {"TRANSPARENCY", "100"},
          {"HOTCOLOR", C(Mix(pal::kWhite, pal::kAccent, 0.82))},
          {"HOTFONTCOLOR", "0"},
          {"HOTTRANSPARENCY", "0"},
          {"BORDERSMASK", FlatBorder()}};
}
Keys Track(bool vertical) {
  (void)vertical;
  return {{"STATES", "3"}, {"COLOR", C(pal::kScrollTrack)}, {"HOTCOLOR", C(Mix(pal::kScrollTrack, pal::kBorder, 0.7))}};
}
Keys Slider() {
  return {{"STATES", "3"},
          {"COLOR", C(pal::kThumb)},
          {"HOTCOLOR", C(pal::kThumbHot)},
          {"TRANSPARENCY", "100"},
          {"HOTTRANSPARENCY", "100"},
          {"BORDERSMASK", BorderEntry(layout::kThumbBorder, 5, 5, 5, 5, 3, 1, 5, 1)}};
}
Keys ScrollButton(const layout::Box& arrow) {
  return {{"STATES", "3"},
          {"COLOR", C(pal::kScrollTrack)},
          {"HOTCOLOR", C(Mix(pal::kScrollTrack, pal::kBorder, 0.6))},
          {"GLYPHMASK", GlyphEntry(arrow, 3, 0)}};
}
Keys Caption() {
  return {{"STATES", "2"},
          {"COLOR", C(pal::kTitleLight)},
          {"FONTCOLOR", "0"},
          {"HOTFONTCOLOR", "16777215"},
          {"GRADIENTPERCENT", "100"},
          {"GRADIENTDATA", kTitleGradient},
          {"HOTGRADIENTPERCENT", "100"},
          {"HOTGRADIENTDATA", kButtonHotGradient}};
}
Keys PageControl() {
  return {{"STATES", "1"}, {"COLOR", C(pal::kPanel)}, {"FONTCOLOR", "0"}, {"BORDERSMASK", kFrameBorder}};
}
Keys Tab(const layout::Box& box, int wl, int wt, int wr, int wb) {
  return {{"STATES", "3"},
          {"COLOR", C(pal::kButton)},
          {"HOTCOLOR", C(pal::kWhite)},
          {"FONTCOLOR", "0"},
          {"HOTFONTCOLOR", "0"},
          {"TRANSPARENCY", "100"},
          {"HOTTRANSPARENCY", "100"},
          {"BORDERSMASK", BorderEntry(box, wl, wt, wr, wb, 3, 1, 5, 1)}};
}
Keys EditLike(bool combo) {
  Keys k{{"STATES", "2"}, {"COLOR", "16777215"}, {"FONTCOLOR", "0"}, {"BORDERSMASK", kEditBorder}};
  if (combo) k.push_back({"GLYPHMASK", GlyphEntry(layout::kComboArrow, 3, 0)});
  k.insert(k.end(), {{"OUTERMODE", "1"}, {"GLOWMARGIN", "2"}, {"GLOW", "1"}, {"GLOW0", kGlow}});
  return k;
}
Keys Progress() {
  return {{"STATES", "1"},
          {"COLOR", C(pal::kAccent)},
          {"FONTCOLOR", "16777215"},
          {"GRADIENTPERCENT", "100"},
          {"GRADIENTDATA",
           Gradient({{Mix(pal::kWhite, pal::kAccent, 0.3), pal::kAccent, 45}, {pal::kAccent, pal::kAccentDark, 55}})},
          {"BORDERSMASK", BorderEntry(layout::kProgressBorder, 4, 4, 4, 4, 1, 1, 1, 1)}};
}
Keys Switch(const layout::Box& box, Rgb color) {
  return {{"STATES", "1"},
          {"COLOR", C(color)},
          {"TRANSPARENCY", "100"},
          {"BORDERSMASK", BorderEntry(box, 7, 7, 7, 7, 1, 1, 5, 1)}};
}

std::vector<Section> Sections() {
  const Rgb bar = Mix(pal::kWindow, pal::kBorder, 0.7);
  return {
      {"GLOBALINFO", Globals()},
      {"BARPANEL", PlainPanel(pal::kPanelTop, pal::kWindow, kPanelBorder)},
      {"DIVIDER",
       {{"STATES", "1"}, {"COLOR", C(pal::kWindow)}, {"TRANSPARENCY", "100"}, {"BORDERSMASK", DividerBorder()}}},
      {"EDIT", Edit()},
      {"GRIPH", {{"STATES", "1"}, {"COLOR", C(pal::kWindow)}, {"TRANSPARENCY", "100"}}},
      {"HINT", Hint()},
      {"MAINMENU", {{"STATES", "1"}, {"COLOR", "16777215"}, {"FONTCOLOR", "0"}, {"BORDERSMASK", kFrameBorder}}},
      {"RIBBONPAGE", PlainPanel(pal::kPanelTop, pal::kPanel, kPanelBorder)},
      {"PANEL", Panel()},
      {"PANEL_LOW",
       {{"STATES", "1"},
        {"COLOR", C(pal::kPanel)},
        {"FONTCOLOR", "0"},
        {"BORDERSMASK", BorderEntry(layout::kSunken, 1, 1, 1, 1, 1, 0, 1, 1)}}},
      {"SCROLLBAR2H", Track(false)},
      {"SCROLLSLIDERH", Slider()},
      {"SCROLLSLIDERV", Slider()},
      {"STATUSBAR", {{"STATES", "1"}, {"COLOR", C(bar)}, {"FONTCOLOR", "0"}, {"BORDERSMASK", DividerBorder()}}},
      {"TRACKBAR", {{"STATES", "2"}, {"COLOR", C(pal::kWindow)}, {"TRANSPARENCY", "100"}, {"HOTTRANSPARENCY", "100"}}},
      {"GAUGE", {{"STATES", "1"}, {"COLOR", "16777215"}, {"FONTCOLOR", "0"}, {"BORDERSMASK", kEditBorder}}},
      {"DRAGBAR", Caption()},
      {"SCROLLBAR2V", Track(true)},
      {"GROUPBOX",
       {{"STATES", "1"},
        {"COLOR", C(pal::kWindow)},
        {"FONTCOLOR", C(pal::kGlyph)},
        {"TRANSPARENCY", "100"},
        {"BORDERSMASK", BorderEntry(layout::kGroupBorder, 4, 4, 4, 4, 1, 0, 1, 1)}}},
      {"TOOLBAR", PlainPanel(pal::kPanelTop, pal::kWindow, DividerBorder())},
      {"BUTTON_HUGE",
       {{"STATES", "3"},
        {"COLOR", "15269871"},
        {"FONTCOLOR", "0"},
        {"HOTFONTCOLOR", "16777215"},
        {"TRANSPARENCY", "100"},
        {"HOTTRANSPARENCY", "100"},
        {"BORDERSMASK", kHugeBorder}}},
      {"CHECKBOX", CheckBox()},
      {"RADIOBUTTON", CheckBox()},
      {"SPLITTER", {{"STATES", "2"}, {"COLOR", C(pal::kWindow)}, {"HOTCOLOR", C(pal::kBorder)}}},
      {"WEBBUTTON",
       {{"STATES", "3"},
        {"FONTCOLOR", "16744448"},
        {"HOTFONTCOLOR", "5539839"},
        {"TRANSPARENCY", "100"},
        {"HOTTRANSPARENCY", "100"},
        {"OUTERMODE", "0"}}},
      {"PAGECONTROL", PageControl()},
      {"PAGECONTROLLEFT", PageControl()},
      {"PAGECONTROLRIGHT", PageControl()},
      {"PAGECONTROLBOTTOM", PageControl()},
      {"TB_TAB", Flat()},
      {"TB_BTN", Flat()},
      {"SCROLLBAR1H", Track(false)},
      {"SCROLLBAR1V", Track(true)},
      {"TB_MENUBTN", Flat()},
      {"DIVIDERV", {{"STATES", "1"}, {"COLOR", C(pal::kBorder)}}},
      {"EXTRALINE",
       {{"STATES", "1"},
        {"COLOR", C(pal::kWindow)},
        {"FONTCOLOR", C(pal::kGlyph)},
        {"GRADIENTPERCENT", "100"},
        {"GRADIENTDATA", Gradient({{pal::kPanel, pal::kWindow, 100}})}}},
      {"DIALOG", Dialog()},
      {"BUTTON", Button()},
      {"SPEEDBUTTON", LikeButton(kButtonBorder)},
      {"SPEEDBUTTON_SMALL", Flat()},
      {"TOOLBUTTON", Flat()},
      {"COLHEADER", LikeButton(kButtonBorder)},
      {"MENUITEM", MenuItem()},
      {"PROGRESSH", Progress()},
      {"PROGRESSV", Progress()},
      {"UPDOWNBTN", LikeButton(kButtonBorder)},
      {"SELECTION", Selection()},
      {"MENUCAPTION", MenuCaption()},
      {"BARTITLE", Caption()},
      {"FORM", Form()},
      {"FORMTITLE", FormTitle()},
      {"BUTTON_BIG", LikeButton(kHugeBorder)},
      {"MENULINE", MenuLine()},
      {"RIBBONTAB", Tab(layout::kTabTop, 6, 6, 6, 2)},
      {"TABTOP", Tab(layout::kTabTop, 6, 6, 6, 2)},
      {"TABRIGHT", Tab(layout::kTabRight, 2, 6, 6, 6)},
      {"TABLEFT", Tab(layout::kTabLeft, 6, 6, 2, 6)},
      {"TABBOTTOM", Tab(layout::kTabBottom, 6, 2, 6, 6)},
      {"COMBOBOX", EditLike(true)},
      {"ALPHAEDIT", EditLike(false)},
      {"ALPHACOMBOBOX", EditLike(true)},
      {"SCROLLBTNLEFT", ScrollButton(layout::kArrowLeft)},
      {"SCROLLBTNRIGHT", ScrollButton(layout::kArrowRight)},
      {"SCROLLBTNBOTTOM", ScrollButton(layout::kArrowDown)},
      {"SCROLLBTNTOP", ScrollButton(layout::kArrowUp)},
      {"SLIDER_OFF", Switch(layout::kSwitchTrack, pal::kWhite)},
      {"THUMB_ON", Switch(layout::kSwitchThumb, pal::kWhite)},
      {"THUMB_OFF", Switch(layout::kSwitchThumb, pal::kWhite)},
      {"BAR", {{"STATES", "1"}, {"COLOR", C(bar)}, {"FONTCOLOR", "0"}}},
      {"SLIDER_ON", Switch(layout::kSwitchTrack, pal::kAccent)},
      {"MENUBTN", Flat()},
  };
}

struct Named {
  const char* name;
  layout::Box box;
};

// The map written as the closing comment.
const Named kMap[] = {
    {"button border, 3 states + mask (form frame = 1st)", layout::kButtonBorder},
    {"panel border", layout::kPanelBorder},
    {"menu item border", layout::kMenuItemBorder},
    {"size grip", layout::kGrip},
    {"small close alone", layout::kSmallCloseAlone},
    {"small restore/maximize", layout::kSmallNorm},
    {"small minimize", layout::kSmallMin},
    {"small help", layout::kSmallHelp},
    {"radio checked + mask", layout::kRadioChecked},
    {"edit border, 2 states", layout::kEditBorder},
    {"small boxes", layout::kSmallBoxes},
    {"check box checked", layout::kBoxChecked},
    {"check box unchecked", layout::kBoxUnchecked},
    {"check box grayed", layout::kBoxGrayed},
    {"radio unchecked", layout::kRadioUnchecked},
    {"menu check + mask", layout::kCheck},
    {"small close", layout::kSmallClose},
    {"hint border + mask", layout::kHintBorder},
    {"shadow outline + mask", layout::kShadowMask},
    {"light outline + mask", layout::kLightMask},
    {"maximize", layout::kBigMax},
    {"close", layout::kBigClose},
    {"restore", layout::kBigNorm},
    {"minimize", layout::kBigMin},
    {"close alone", layout::kBigCloseAlone},
    {"title button", layout::kTitleButton},
    {"help", layout::kBigHelp},
    {"form corner picture", layout::kFormCorner},
    {"scroll thumb + mask", layout::kThumbBorder},
    {"tab top + mask", layout::kTabTop},
    {"tab bottom + mask", layout::kTabBottom},
    {"tab left + mask", layout::kTabLeft},
    {"tab right + mask", layout::kTabRight},
    {"arrow left", layout::kArrowLeft},
    {"arrow right", layout::kArrowRight},
    {"arrow up", layout::kArrowUp},
    {"arrow down", layout::kArrowDown},
    {"combo arrow", layout::kComboArrow},
    {"group box border", layout::kGroupBorder},
    {"progress border + mask", layout::kProgressBorder},
    {"flat button border + mask", layout::kFlatButton},
    {"divider", layout::kDivider},
    {"sunken border", layout::kSunken},
    {"switch track + mask", layout::kSwitchTrack},
    {"switch thumb + mask", layout::kSwitchThumb},
};

}  // namespace

std::string BuildOptions() {
  const std::string nl = "\r\n";
  std::string text = "; Rorur Udari (internal): the light green skin of VorlanTV" + nl;
  const std::vector<Section> sections = Sections();
  if (sections.size() != 71) throw std::logic_error("the skin has 71 sections");
  for (const Section& s : sections) {
    text += nl + "[" + s.name + "]" + nl;
    for (const auto& [key, value] : s.keys) text += key + "=" + value + nl;
  }
  text += nl + "; Master bitmap map (left, top, right, bottom):" + nl;
  for (const Named& n : kMap) {
    char line[128];
    std::snprintf(line, sizeof line, ";   %-48s %3d, %3d, %3d, %3d", n.name, n.box.left, n.box.top, n.box.right,
                  n.box.bottom);
    text += line + nl;
  }
  if (text.size() + 3 > kOptionsSize) throw std::logic_error("options text too long");
  // Fill up with comment rules, the last one cut to size.
  while (text.size() < kOptionsSize) {
    const size_t room = kOptionsSize - text.size();
    if (room < 3) {
      text.insert(text.size() - nl.size(), std::string(room, '-'));
      break;
    }
    const size_t dashes = std::min<size_t>(room - 3, 77);
    text += ';';
    text.append(dashes, '-');
    text += nl;
  }
  return text;
}

}  // namespace skingen
