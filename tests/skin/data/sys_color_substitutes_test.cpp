// The skin colours that answer system-colour queries while they stand in.
#include "skin/data/sys_color_substitutes.h"

#include <gtest/gtest.h>

#include <optional>

namespace vorlan::skin {
namespace {

// The system's colours in this test: index i is 0x0101 * i + 0x0A0000.
TColor FakeSystem(int index) { return 0x0A0000 + 0x0101 * index; }

TSkPalette TestPalette() {
  TSkPalette palette{};
  for (int i = 0; i < kPaletteSize; ++i) palette[static_cast<std::size_t>(i)] = 0x010000 * (i + 1);
  palette[pcMainColor] = 0x204060;  // red 0x60, green 0x40, blue 0x20
  palette[pcEditText] = 0x0A1464;
  palette[pcEditBG] = 0xF0E0D0;
  palette[pcBorder] = 0x00334455;
  palette[pcSelectionBG_Focused] = 0x02112233;  // the top byte never reaches the system's caller
  palette[pcSelectionText_Focused] = 0x665544;
  palette[pcSelectionBG] = 0x777777;    // the unfocused selection never answers
  palette[pcSelectionText] = 0x888888;  //
  return palette;
}

constexpr TColor kDarkMain = 0x19334C;   // each channel of 0x204060 × 0.8, truncated
constexpr TColor kLightMain = 0x4C667F;  // each channel × 0.8 + 51, truncated
constexpr TColor kGreyText = 0xCDC1BF;   // 0.15 × edit text + 0.85 × edit background, truncated

struct Row {
  int key;
  std::optional<TColor> expected;
  const char* why;
};

TEST(SysColorSubstitutes, GetSysColorAnswersForEveryIndex) {
  const TSkPalette palette = TestPalette();
  const Row rows[] = {
      {5, 0xF0E0D0, "COLOR_WINDOW: edit background"},
      {6, 0x334455, "COLOR_WINDOWFRAME: border colour"},
      {8, 0x0A1464, "COLOR_WINDOWTEXT: edit text"},
      {13, 0x112233, "COLOR_HIGHLIGHT: focused selection, top byte dropped"},
      {14, 0x665544, "COLOR_HIGHLIGHTTEXT: focused selection text"},
      {16, kDarkMain, "COLOR_BTNSHADOW: main colour towards black"},
      {21, kDarkMain, "COLOR_3DDKSHADOW: main colour towards black"},
      {22, kLightMain, "COLOR_3DLIGHT: main colour towards white"},
      {15, std::nullopt, "COLOR_BTNFACE keeps the system's answer"},
      {0, std::nullopt, "COLOR_SCROLLBAR keeps the system's answer"},
      {7, std::nullopt, "COLOR_MENUTEXT keeps the system's answer"},
      {18, std::nullopt, "COLOR_BTNTEXT keeps the system's answer"},
      {20, std::nullopt, "COLOR_3DHILIGHT keeps the system's answer"},
      {-1, std::nullopt, "an invalid index"},
  };
  for (const Row& row : rows) EXPECT_EQ(SubstituteSysColor(palette, row.key, FakeSystem), row.expected) << row.why;
  for (int index = 23; index < 64; ++index) EXPECT_EQ(SubstituteSysColor(palette, index, FakeSystem), std::nullopt);
}

TEST(SysColorSubstitutes, BrushesOnlyForTheFourTextColours) {
  const TSkPalette palette = TestPalette();
  const Row rows[] = {
      {5, 0xF0E0D0, "COLOR_WINDOW"},
      {8, 0x0A1464, "COLOR_WINDOWTEXT"},
      {13, 0x112233, "COLOR_HIGHLIGHT"},
      {14, 0x665544, "COLOR_HIGHLIGHTTEXT"},
      {6, std::nullopt, "COLOR_WINDOWFRAME has no skin brush"},
      {16, std::nullopt, "COLOR_BTNSHADOW has no skin brush"},
      {22, std::nullopt, "COLOR_3DLIGHT has no skin brush"},
      {15, std::nullopt, "COLOR_BTNFACE has no skin brush"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(SubstituteSysColorBrush(palette, row.key, FakeSystem), row.expected) << row.why;
  }
}

TEST(SysColorSubstitutes, PensByColourValue) {
  const TSkPalette palette = TestPalette();
  const Row rows[] = {
      {5, 0xF0E0D0, "5: edit background"},
      {6, 0x334455, "6: border colour"},
      {13, 0x112233, "13: focused selection"},
      {14, 0x665544, "14: focused selection text"},
      {15, 0x204060, "15: the main colour itself"},
      {16, kDarkMain, "16: main colour towards black"},
      {21, kDarkMain, "21: main colour towards black"},
      {22, kLightMain, "22: main colour towards white"},
      {12632256, kGreyText, "silver: edit text over edit background"},
      {15790320, kGreyText, "light grey: edit text over edit background"},
      {8, std::nullopt, "8 is not a pen the skin takes over"},
      {0, std::nullopt, "black stays black"},
      {0xFFFFFF, std::nullopt, "white stays white"},
      {12632257, std::nullopt, "one off silver"},
  };
  for (const Row& row : rows) EXPECT_EQ(SubstitutePenColor(palette, row.key, FakeSystem), row.expected) << row.why;
}

TEST(SysColorSubstitutes, SystemReferencesResolveAndNoneLeavesTheSystemAnswer) {
  TSkPalette palette = TestPalette();
  palette[pcBorder] = paint::SystemColorOf(6);
  palette[pcMainColor] = paint::SystemColorOf(15);  // 0x0A0F0F
  palette[pcEditText] = -1;
  EXPECT_EQ(SubstituteSysColor(palette, 6, FakeSystem), FakeSystem(6)) << "a reference answers the system colour";
  EXPECT_EQ(SubstitutePenColor(palette, 15, FakeSystem), 0x0A0F0F) << "pen of a referenced main colour";
  EXPECT_EQ(SubstituteSysColor(palette, 16, FakeSystem), 0x080C0C) << "the mix works on the resolved colour";
  EXPECT_EQ(SubstituteSysColor(palette, 8, FakeSystem), std::nullopt) << "-1 is no colour: the system answers";
  EXPECT_EQ(SubstitutePenColor(palette, 12632256, FakeSystem), std::nullopt) << "a mix with no colour";
}

}  // namespace
}  // namespace vorlan::skin
