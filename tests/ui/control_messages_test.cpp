#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/program_messages.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/popup_menu.h"
#include "ui/timer.h"
#include "ui/tray_icon.h"
#include "ui/window_subclass.h"

namespace vorlan::ui {
namespace {

constexpr UINT kSkinCommand = platform::SM_ALPHACMD;
constexpr WPARAM kGetBackground = WPARAM{34} << 16;

// A windowless control that answers the skin command in its own handling.
class SkinnedLabel : public TLabel {
 public:
  std::vector<WPARAM> commands;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == kSkinCommand) {
      commands.push_back(message.WParam);
      message.Result = 1;
      return;
    }
    TLabel::WndProc(message);
  }
};

TEST(ControlMessages, AWindowlessControlReceivesMessagesThroughAWrappableChain) {
  TForm form;
  SkinnedLabel& label = form.Add<SkinnedLabel>();
  label.SetParent(&form);
  EXPECT_EQ(label.Perform(kSkinCommand, kGetBackground, 0), 1) << "the class's own handling answered";
  EXPECT_EQ(label.commands, std::vector<WPARAM>{kGetBackground});
  EXPECT_EQ(label.Perform(WM_APP + 40), 0) << "a message nobody handles ends with 0 (there is no window)";

  // A wrapper (an adapter, a skin layer) sees the message first.
  std::vector<UINT> seen;
  TChainLink wrapper = label.WindowProc().Add([&seen](TMessage& message, const TPassOn& pass_on) {
    seen.push_back(message.Msg);
    if (message.Msg == kSkinCommand && message.LParam == 5) {
      message.Result = 2;
      return;
    }
    pass_on(message);
  });
  EXPECT_EQ(label.Perform(kSkinCommand, kGetBackground, 5), 2);
  EXPECT_EQ(label.Perform(kSkinCommand, kGetBackground, 0), 1);
  EXPECT_EQ(seen, (std::vector<UINT>{kSkinCommand, kSkinCommand}));
  EXPECT_EQ(label.commands.size(), 2u) << "the consumed message did not reach the class";
  wrapper.Unlink();
  EXPECT_EQ(label.Perform(kSkinCommand, kGetBackground, 5), 1) << "unwrapped again";
}

TEST(ControlMessages, AWindowedControlGetsPerformThroughItsWindow) {
  TForm form;
  TPanel& panel = form.Add<TPanel>();
  panel.SetParent(&form);
  ASSERT_TRUE(panel.HandleAllocated());
  int layer_saw = 0, chain_saw = 0;
  TWindowSubclass layer(panel.Handle(), [&layer_saw](TMessage& message, const TPassOn& pass_on) {
    if (message.Msg == kSkinCommand) ++layer_saw;
    pass_on(message);
  });
  TChainLink link = panel.WindowProc().Add([&chain_saw](TMessage& message, const TPassOn& pass_on) {
    if (message.Msg == kSkinCommand) ++chain_saw;
    pass_on(message);
  });
  panel.Perform(kSkinCommand, kGetBackground, 0);
  EXPECT_EQ(layer_saw, 1) << "a layer on the window sees what is performed on the control";
  EXPECT_EQ(chain_saw, 1);
}

// Counts the window's last messages in the derived class's own handling.
class WatchedPanel : public TPanel {
 public:
  explicit WatchedPanel(std::vector<std::string>& log) : log_(log) {}

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_DESTROY) log_.push_back("derived saw WM_DESTROY");
    TPanel::WndProc(message);
  }

 private:
  std::vector<std::string>& log_;
};

TEST(ControlMessages, FreeingDestroysTheWindowWhileTheWholeObjectStillHandlesIt) {
  std::vector<std::string> log;
  {
    TOwned<TForm> form = MakeOwned<TForm>();
    WatchedPanel& owned = form->Add<WatchedPanel>(log);
    owned.SetParent(form.get());
    ASSERT_TRUE(owned.HandleAllocated());
  }
  EXPECT_EQ(log, std::vector<std::string>{"derived saw WM_DESTROY"}) << "freed by its owner";

  log.clear();
  TForm parent;
  parent.HandleNeeded();
  {
    TOwned<WatchedPanel> alone = MakeOwned<WatchedPanel>(log);
    alone->SetParent(&parent);
  }
  EXPECT_EQ(log, std::vector<std::string>{"derived saw WM_DESTROY"}) << "freed through TOwned";
}

TEST(ControlMessages, EveryFrameworkClassAnswersItsOwnName) {
  // The skin's adapters pick windows by these names.
  TForm form;
  const struct {
    const TObject& object;
    std::u16string_view name;
  } rows[] = {
      {form, u"TForm"},
      {form.Add<TPanel>(), u"TPanel"},
      {form.Add<TButton>(), u"TButton"},
      {form.Add<TEdit>(), u"TEdit"},
      {form.Add<TMemo>(), u"TMemo"},
      {form.Add<TLabel>(), u"TLabel"},
      {form.Add<TImage>(), u"TImage"},
      {form.Add<TPopupMenu>(), u"TPopupMenu"},
      {form.Add<TMenuItem>(), u"TMenuItem"},
      {form.Add<TTimer>(), u"TTimer"},
      {form.Add<TTrayIcon>(), u"TTrayIcon"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.object.ClassName(), row.name);
  }
}

}  // namespace
}  // namespace vorlan::ui
