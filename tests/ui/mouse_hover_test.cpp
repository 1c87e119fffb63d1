#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/mouse_hover.h"
#include "ui/panel.h"

namespace vorlan::ui {
namespace {

std::vector<std::string>* g_log = nullptr;

// Writes the framework's notifications it receives into the shared log.
template <class Base>
class Logging : public Base {
 public:
  std::string tag;

 protected:
  void WndProc(TMessage& message) override {
    if (g_log) {
      switch (message.Msg) {
        case CM_MOUSEENTER:
          g_log->push_back("enter " + tag);
          break;
        case CM_MOUSELEAVE:
          g_log->push_back("leave " + tag);
          break;
        case CM_ENABLEDCHANGED:
          g_log->push_back("enabled " + tag);
          break;
        case CM_VISIBLECHANGED:
          g_log->push_back("visible " + tag + " " + std::to_string(message.WParam));
          break;
        case CM_SHOWINGCHANGED:
          g_log->push_back("showing " + tag);
          break;
        default:
          break;
      }
    }
    Base::WndProc(message);
  }
};

void Pump(int milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  while (GetTickCount() < end) {
    Application().ProcessMessages();
    Sleep(10);
  }
}

struct MouseHoverTest : ::testing::Test {
  std::vector<std::string> log;
  TOwned<Logging<TForm>> form = MakeOwned<Logging<TForm>>();
  Logging<TPanel>* panel = nullptr;
  Logging<TLabel>* label = nullptr;

  void SetUp() override {
    form->tag = "form";
    form->SetBounds(100, 100, 300, 200);
    panel = &form->Add<Logging<TPanel>>();
    panel->tag = "panel";
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 200, 120);
    label = &form->Add<Logging<TLabel>>();
    label->tag = "label";
    label->SetParent(panel);
    label->SetBounds(20, 20, 60, 30);
    // Off the form first: a cursor left over the panel's place by an earlier
    // test would enter it before the log starts.
    SetCursorPos(5, 5);
    form->Show();
    Pump(100);
    g_log = &log;
  }
  void TearDown() override { g_log = nullptr; }

  // Moves the real cursor to a point of the panel's client area.
  void MoveOverPanel(int x, int y) {
    POINT point{x, y};
    ClientToScreen(panel->Handle(), &point);
    SetCursorPos(point.x, point.y);
    Pump(150);
  }
};

TEST_F(MouseHoverTest, RealMouseMovementEntersAndLeavesWindowedAndWindowlessControls) {
  MoveOverPanel(150, 100);
  MoveOverPanel(30, 30);    // onto the label (a windowless child of the panel)
  MoveOverPanel(150, 100);  // back onto the panel
  SetCursorPos(5, 5);       // off the form altogether
  Pump(700);                // the system notices a leave on its own hover clock
  const std::vector<std::string> expected{"enter panel", "leave panel", "enter label",
                                          "leave label", "enter panel", "leave panel"};
  // The form's own enter and leave (the cursor may cross its edge) are not the point here.
  std::vector<std::string> seen;
  for (const std::string& line : log) {
    if (line.find("form") == std::string::npos) seen.push_back(line);
  }
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(MouseControl(), nullptr);
}

TEST_F(MouseHoverTest, AControlThatGoesAwayIsNoLongerUnderTheMouse) {
  MoveOverPanel(30, 30);
  ASSERT_EQ(MouseControl(), label);
  label->Free();
  EXPECT_EQ(MouseControl(), nullptr) << "a dangling record would get the next leave";
}

TEST_F(MouseHoverTest, StateChangesAreAnnouncedOncePerChange) {
  label->SetEnabled(false);
  label->SetEnabled(false);
  label->SetVisible(false);
  label->SetVisible(false);
  panel->SetVisible(false);
  panel->SetVisible(true);
  EXPECT_EQ(log, (std::vector<std::string>{"enabled label", "visible label 0", "visible panel 0", "showing panel",
                                           "visible panel 1", "showing panel"}));
}

}  // namespace
}  // namespace vorlan::ui
