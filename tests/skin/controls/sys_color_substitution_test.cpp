#include "skin/controls/hooks/sys_color_substitution.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "desktop_test_support.h"
#include "platform/handle_win.h"
#include "platform/text.h"

namespace vorlan::skin {
namespace {

using test::SkinnedProcess;
using test::StoredSkin;

constexpr COLORREF kEditBg = 0x00336699;
constexpr COLORREF kEditText = 0x00102030;
constexpr char kSkin[] =
    "[GLOBALINFO]\r\nVERSION=10.00\r\nCOLOR=6316128\r\nBORDERCOLOR=1122867\r\n"
    "[EDIT]\r\nCOLOR=3368601\r\nFONTCOLOR=1056816\r\n";
constexpr char kSkinWithoutEdit[] = "[GLOBALINFO]\r\nVERSION=10.00\r\n[PLAIN]\r\n";

// The queries as the program makes them, each from a call of its own: the
// compiler may keep an imported function's address in a register within one
// function, past a change of the import slot.
[[gnu::noinline]] COLORREF SysColor(int index) { return GetSysColor(index); }
[[gnu::noinline]] HBRUSH SysColorBrush(int index) { return GetSysColorBrush(index); }
[[gnu::noinline]] HPEN NewPen(int style, int width, COLORREF color) { return CreatePen(style, width, color); }

COLORREF PenColor(HPEN pen) {
  LOGPEN logical{};
  GetObjectW(pen, sizeof(logical), &logical);
  return logical.lopnColor;
}

COLORREF BrushColor(HBRUSH brush) {
  LOGBRUSH logical{};
  GetObjectW(brush, sizeof(logical), &logical);
  return logical.lbColor;
}

COLORREF PenOfValue(COLORREF value) {
  const platform::UniquePen pen(NewPen(PS_SOLID, 1, value));
  return PenColor(pen.get());
}

TEST(SysColorSubstitution, SkinColoursWhileOnAndTheSystemsOnceOff) {
  const COLORREF system_window = SysColor(COLOR_WINDOW);
  const COLORREF system_face = SysColor(COLOR_BTNFACE);
  const HBRUSH system_window_brush = SysColorBrush(COLOR_WINDOW);
  ASSERT_NE(system_window, kEditBg);
  {
    SkinnedProcess process(kSkin, /*change_sys_colors=*/true);
    ASSERT_TRUE(SysColorSubstitutionOn()) << "applying the skin installs the hooks, and with them the colours";
    EXPECT_EQ(SysColor(COLOR_WINDOW), kEditBg);
    EXPECT_EQ(SysColor(COLOR_WINDOWTEXT), kEditText);
    EXPECT_EQ(SysColor(COLOR_WINDOWFRAME), 0x00112233u);
    EXPECT_EQ(SysColor(COLOR_BTNSHADOW), 0x004C4C4Cu) << "0x606060 × 0.8";
    EXPECT_EQ(SysColor(COLOR_BTNFACE), system_face) << "the button face is not one the skin takes over";
    const HBRUSH brush = SysColorBrush(COLOR_WINDOW);
    EXPECT_EQ(BrushColor(brush), kEditBg);
    EXPECT_EQ(SysColorBrush(COLOR_WINDOW), brush) << "one brush per colour, not a new one per call";
    EXPECT_EQ(SysColorBrush(COLOR_BTNFACE), SysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(PenOfValue(5), kEditBg);
    EXPECT_EQ(PenOfValue(15), 0x00606060u);
    EXPECT_EQ(PenOfValue(7), 7u) << "other pens keep their colour";

    const auto modules = SysColorSubstitutedModules();
    std::string names;
    for (const auto& module : modules) names += platform::Utf16ToUtf8(module) + " ";
    std::printf("[ redirected in ] %s\n", names.c_str());
    EXPECT_NE(std::find(modules.begin(), modules.end(), u"skin_controls_tests.exe"), modules.end()) << names;

    TSkOptions options = process.manager.Options();
    options.ChangeSysColors = false;
    process.manager.SetOptions(options);
    EXPECT_FALSE(SysColorSubstitutionOn()) << "the setter switches off at once";
    EXPECT_EQ(SysColor(COLOR_WINDOW), system_window);
    EXPECT_EQ(SysColorBrush(COLOR_WINDOW), system_window_brush);
    EXPECT_EQ(PenOfValue(5), 5u);
    options.ChangeSysColors = true;
    process.manager.SetOptions(options);
    EXPECT_EQ(SysColor(COLOR_WINDOW), kEditBg) << "and on at once";

    // A skin without an EDIT section takes the system's window colour, not
    // the colour the previous skin put in its place.
    process.manager.InternalSkins.Add(StoredSkin(u"Plain", kSkinWithoutEdit));
    process.manager.SetSkinName(u"Plain");
    ASSERT_EQ(process.Loaded(), u"PLAIN");
    EXPECT_EQ(SysColor(COLOR_WINDOW), system_window);
    EXPECT_EQ(process.manager.Skin.Palette[pcEditBG], static_cast<TColor>(system_window));

    process.manager.SetSkinName(u"Test");
    EXPECT_EQ(SysColor(COLOR_WINDOW), kEditBg);
    process.manager.SetActive(false);
    EXPECT_FALSE(SysColorSubstitutionOn()) << "removing the skin removes the hooks";
    EXPECT_EQ(SysColor(COLOR_WINDOW), system_window);
    process.manager.SetActive(true);
    EXPECT_EQ(SysColor(COLOR_WINDOW), kEditBg);
  }
  EXPECT_FALSE(SysColorSubstitutionOn()) << "nothing is left redirected when the manager goes";
  EXPECT_EQ(SysColor(COLOR_WINDOW), system_window);
}

TEST(SysColorSubstitution, StaysOffWithoutTheOption) {
  const COLORREF system_window = SysColor(COLOR_WINDOW);
  SkinnedProcess process(kSkin, /*change_sys_colors=*/false);
  EXPECT_FALSE(SysColorSubstitutionOn());
  EXPECT_EQ(SysColor(COLOR_WINDOW), system_window);
}

}  // namespace
}  // namespace vorlan::skin
