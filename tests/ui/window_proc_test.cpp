#include "ui/window_proc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <new>
#include <vector>

#include "platform/error.h"
#include "ui/message_box_recorder.h"
#include "ui/panel.h"
#include "ui/window_subclass.h"

namespace vorlan::ui {
namespace {

constexpr UINT kThrowMessage = WM_APP + 7;
constexpr UINT kCountMessage = WM_APP + 8;

class ThrowingPanel : public TPanel {
 public:
  ~ThrowingPanel() override { DestroyWindowNow(); }
  int counted = 0;
  bool destroyed = false;

 protected:
  void CreateParams(TCreateParams& params) override {
    TPanel::CreateParams(params);
    if (!Parent()) params.Style = WS_POPUP | WS_CLIPCHILDREN;
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == kThrowMessage) throw vorlan::Error(std::string("Handler failed"));
    if (message.Msg == kCountMessage) {
      ++counted;
      message.Result = 42;
      return;
    }
    if (message.Msg == WM_DESTROY) destroyed = true;
    TPanel::WndProc(message);
  }
};

TEST(WindowProc, ErrorInAHandlerGoesToTheErrorBoxAndNotToTheSystem) {
  testing::MessageBoxRecorder recorder;
  Application().SetTitle(u"Title");
  ThrowingPanel panel;
  panel.HandleNeeded();
  const LRESULT result = SendMessageW(panel.Handle(), kThrowMessage, 0, 0);
  EXPECT_EQ(result, 0);
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].text, u"Handler failed");
  EXPECT_EQ(recorder.boxes[0].caption, u"Title");
  EXPECT_EQ(recorder.boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
  EXPECT_EQ(SendMessageW(panel.Handle(), kCountMessage, 0, 0), 42) << "the window goes on working";
}

TEST(WindowProc, AFailingErrorBoxStillLeavesTheSystemUntouched) {
  testing::MessageBoxRecorder recorder;
  struct Row {
    std::function<void()> break_the_box;
    const char* why;
  };
  const Row rows[] = {
      {[] { Application().ErrorText = [](std::u16string_view) -> std::u16string { throw std::bad_alloc(); }; },
       "the text of the box cannot be made"},
      {[] {
         Application().ShowMessageBox = [](HWND, const std::u16string&, const std::u16string&, UINT) -> int {
           throw vorlan::Error(std::string("no box"));
         };
       },
       "the box itself fails"},
  };
  for (const Row& row : rows) {
    row.break_the_box();
    ThrowingPanel panel;
    panel.HandleNeeded();
    EXPECT_EQ(SendMessageW(panel.Handle(), kThrowMessage, 0, 0), 0) << row.why;
    EXPECT_EQ(SendMessageW(panel.Handle(), kCountMessage, 0, 0), 42) << row.why << ": the window goes on working";
    Application().ErrorText = nullptr;
  }
}

TEST(WindowProc, WrappersSeeMessagesFirstAndChainToThePreviousProcedure) {
  ThrowingPanel panel;
  panel.HandleNeeded();
  std::vector<UINT> seen;
  const TChainLink wrapper = panel.WindowProc().Add([&seen](TMessage& message, const TPassOn& previous) {
    seen.push_back(message.Msg);
    if (message.Msg == kCountMessage && message.WParam == 1) {
      message.Result = 7;  // consumed here
      return;
    }
    previous(message);
  });
  EXPECT_EQ(SendMessageW(panel.Handle(), kCountMessage, 0, 0), 42);
  EXPECT_EQ(SendMessageW(panel.Handle(), kCountMessage, 1, 0), 7);
  EXPECT_EQ(panel.counted, 1) << "a consumed message does not reach the class";
  EXPECT_EQ(std::count(seen.begin(), seen.end(), kCountMessage), 2);
}

TEST(WindowProc, BindsAtCreationAndUnbindsWhenTheWindowIsGone) {
  ThrowingPanel parent;
  parent.HandleNeeded();
  auto child = std::make_unique<ThrowingPanel>();
  child->SetParent(&parent);
  ASSERT_TRUE(child->HandleAllocated()) << "a child of a parent with a window gets its own at once";
  const HWND child_window = child->Handle();
  EXPECT_EQ(FindTarget(child_window), static_cast<TWindowTarget*>(child.get()));
  DestroyWindow(parent.Handle());
  EXPECT_TRUE(child->destroyed) << "the object saw its window go";
  EXPECT_FALSE(child->HandleAllocated());
  EXPECT_FALSE(IsWindow(child_window));
  EXPECT_EQ(FindTarget(child_window), nullptr);
}

TEST(WindowProc, AnErrorInALayerOnAWindowGoesToTheErrorBox) {
  testing::MessageBoxRecorder recorder;
  ThrowingPanel panel;
  panel.HandleNeeded();
  TWindowSubclass layer(panel.Handle(), [](TMessage& message, const TPassOn& pass_on) {
    if (message.Msg == kCountMessage && message.WParam == 9) throw vorlan::Error(std::string("Layer failed"));
    pass_on(message);
  });
  EXPECT_EQ(SendMessageW(panel.Handle(), kCountMessage, 9, 0), 0);
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].text, u"Layer failed");
  EXPECT_EQ(SendMessageW(panel.Handle(), kCountMessage, 0, 0), 42) << "the layer and the window go on working";
}

TEST(WindowProc, AChildWhoseParentHasNoWindowYetGetsExactlyOneWindow) {
  ThrowingPanel parent;
  ThrowingPanel child;
  child.SetParent(&parent);  // makes the parent's window, which makes the child's
  ASSERT_TRUE(child.HandleAllocated());
  int windows = 0;
  for (HWND w = GetWindow(parent.Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) ++windows;
  EXPECT_EQ(windows, 1);
  EXPECT_EQ(FindTarget(GetWindow(parent.Handle(), GW_CHILD)), static_cast<TWindowTarget*>(&child));
}

TEST(WindowProc, DestroyingTheObjectDestroysItsWindow) {
  auto panel = std::make_unique<ThrowingPanel>();
  panel->HandleNeeded();
  const HWND window = panel->Handle();
  panel.reset();
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace vorlan::ui
