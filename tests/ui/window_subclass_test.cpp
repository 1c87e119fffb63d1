#include "ui/window_subclass.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/handle_win.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/window_proc.h"

namespace vorlan::ui {
namespace {

constexpr UINT kProbe = WM_APP + 30;

// A layer that writes its letter into `trace` and hands everything on.
TWindowSubclass Layer(HWND window, std::string& trace, char letter) {
  return TWindowSubclass(window, [&trace, letter](TMessage& m, const TPassOn& pass_on) {
    if (m.Msg == kProbe) trace += letter;
    pass_on(m);
  });
}

// A window the framework did not create: the system's static text control.
platform::UniqueWindow ForeignWindow() {
  return platform::UniqueWindow(CreateWindowExW(0, L"STATIC", L"foreign", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                                GetModuleHandleW(nullptr), nullptr));
}

std::u16string TextOf(HWND window) {
  wchar_t text[64] = {};
  const int length = GetWindowTextW(window, text, 64);
  return FromWide(text, static_cast<size_t>(length));
}

TEST(WindowSubclass, ALowerLayerOnAForeignWindowGoesWhileAnotherSitsAboveIt) {
  platform::UniqueWindow window = ForeignWindow();
  ASSERT_TRUE(window);
  EXPECT_EQ(FindTarget(window.get()), nullptr) << "no framework object behind it";
  std::string trace;
  TWindowSubclass lower = Layer(window.get(), trace, 'l');
  TWindowSubclass upper = Layer(window.get(), trace, 'u');
  SendMessageW(window.get(), kProbe, 0, 0);
  EXPECT_EQ(trace, "ul") << "the newest layer first";

  lower.Remove();
  trace.clear();
  SendMessageW(window.get(), kProbe, 0, 0);
  EXPECT_EQ(trace, "u") << "the upper layer stays";
  EXPECT_TRUE(upper.Attached());
  EXPECT_FALSE(lower.Attached());
  EXPECT_EQ(TextOf(window.get()), u"foreign") << "the window's own procedure is still reached through the upper layer";

  upper.Remove();
  trace.clear();
  SendMessageW(window.get(), kProbe, 0, 0);
  EXPECT_EQ(trace, "");
  EXPECT_EQ(TextOf(window.get()), u"foreign");
}

TEST(WindowSubclass, ALayerCanConsumeAndLeavesWithItsWindow) {
  platform::UniqueWindow window = ForeignWindow();
  TWindowSubclass layer(window.get(), [](TMessage& m, const TPassOn& pass_on) {
    if (m.Msg == WM_GETTEXTLENGTH) {
      m.Result = 99;
      return;
    }
    pass_on(m);
  });
  EXPECT_EQ(SendMessageW(window.get(), WM_GETTEXTLENGTH, 0, 0), 99);
  window.reset();
  EXPECT_FALSE(layer.Attached()) << "the layer took itself off at WM_NCDESTROY";
  layer.Remove();  // the window is gone: nothing to do, nothing to crash
}

TEST(WindowSubclass, LayersMoveWithTheirOwner) {
  platform::UniqueWindow window = ForeignWindow();
  std::string trace;
  TWindowSubclass moved;
  {
    TWindowSubclass first = Layer(window.get(), trace, 'a');
    moved = std::move(first);
  }
  SendMessageW(window.get(), kProbe, 0, 0);
  EXPECT_EQ(trace, "a") << "the moved-from layer's end did not take the layer off";
  moved = Layer(window.get(), trace, 'b');
  trace.clear();
  SendMessageW(window.get(), kProbe, 0, 0);
  EXPECT_EQ(trace, "b") << "assigning over a layer takes the old one off";
}

TEST(WindowSubclass, TheFrameworksOwnLayerAndAForeignLayerGoInEitherOrder) {
  // A framework control of a system class (EDIT) is itself a layer on its
  // window; another layer may sit above it.
  TForm form;
  TEdit edit;
  edit.SetText(u"text");
  edit.SetParent(&form);
  const HWND window = edit.Handle();
  std::string trace;
  const TChainLink control_sees = edit.WindowProc().Add([&trace](TMessage& m, const TPassOn& pass_on) {
    if (m.Msg == kProbe) trace += 'c';
    pass_on(m);
  });
  TWindowSubclass outer = Layer(window, trace, 'o');
  SendMessageW(window, kProbe, 0, 0);
  EXPECT_EQ(trace, "oc");
  outer.Remove();
  trace.clear();
  SendMessageW(window, kProbe, 0, 0);
  EXPECT_EQ(trace, "c") << "taking the outer layer off leaves the control's in place";
  EXPECT_EQ(edit.Text(), u"text");

  outer = Layer(window, trace, 'o');
  DestroyWindow(window);
  EXPECT_FALSE(edit.HandleAllocated()) << "the control saw its window go";
  EXPECT_FALSE(outer.Attached()) << "and so did the layer above it";
}

TEST(WindowSubclass, AWindowThatCannotBeSubclassedIsAnError) {
  EXPECT_THROW(TWindowSubclass(nullptr, [](TMessage&, const TPassOn&) {}), std::runtime_error);
}

}  // namespace
}  // namespace vorlan::ui
