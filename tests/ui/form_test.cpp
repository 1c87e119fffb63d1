#include "ui/form.h"

#include <gtest/gtest.h>

#include "platform/error.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui/message_box_recorder.h"
#include "ui/panel.h"

namespace vorlan::ui {
namespace {

class TestForm : public TForm {
 public:
  TestForm() {
    BeginLoading();
    SetClientSize(200, 100);
    panel = &Add<TPanel>();
    panel->SetParent(this);
    panel->SetBounds(0, 0, 200, 40);
    panel->SetAlign(TAlign::alBottom);
    panel->SetColor(0x0000FF);
    label = &Add<TLabel>();
    label->SetParent(panel);
    label->SetBounds(5, 5, 1, 1);
    label->SetCaption(u"Some text");
    edit = &Add<TEdit>();
    edit->SetParent(panel);
    edit->SetBounds(5, 20, 100, 18);
    button = &Add<TButton>();
    button->SetParent(panel);
    button->SetBounds(110, 20, 80, 18);
    button->SetTabOrder(0);
    EndLoading();
  }
  ~TestForm() override { DestroyForm(); }

  TPanel* panel = nullptr;
  TLabel* label = nullptr;
  TEdit* edit = nullptr;
  TButton* button = nullptr;
};

TEST(Form, OnShowRunsWhileTheWindowIsStillHidden) {
  testing::MessageBoxRecorder recorder;
  TestForm form;
  std::vector<bool> visible_in_handler;
  form.OnShow = [&](TObject&) { visible_in_handler.push_back(IsWindowVisible(form.Handle()) != FALSE); };
  form.Show();
  form.Show();  // already visible: no second run
  form.Hide();
  form.Show();
  EXPECT_EQ(visible_in_handler, (std::vector<bool>{false, false}));
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST(Form, AnErrorInOnShowIsShownAndTheShowingGoesOn) {
  testing::MessageBoxRecorder recorder;
  TestForm form;
  recorder.watched = form.Handle();
  form.OnShow = [](TObject&) { throw vorlan::Error(std::string("No picture")); };
  form.Show();
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].text, u"No picture");
  EXPECT_FALSE(recorder.boxes[0].watched_window_visible);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST(Form, FirstShowingPlacesLaterShowingsKeepThePlace) {
  testing::MessageBoxRecorder recorder;
  TestForm form;
  form.SetPosition(TPosition::poDesktopCenter);
  form.Show();
  RECT r{};
  GetWindowRect(form.Handle(), &r);
  const int expected_left =
      GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN) / 2 - (r.right - r.left) / 2;
  EXPECT_EQ(r.left, expected_left);
  SetWindowPos(form.Handle(), nullptr, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  form.Hide();
  form.Show();
  GetWindowRect(form.Handle(), &r);
  EXPECT_EQ(r.left, 7);
  EXPECT_EQ(r.top, 9);
  EXPECT_EQ(form.Left(), 7) << "the bounds follow the window";
}

TEST(Form, CloseQueryDecidesAndTheMainFormEndsTheProgram) {
  testing::MessageBoxRecorder recorder;
  TestForm form;
  form.Show();
  bool allow = false;
  form.OnCloseQuery = [&allow](TObject&, bool& can_close) { can_close = allow; };
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindowVisible(form.Handle())) << "refused";
  allow = true;
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(form.Handle())) << "an ordinary form hides";
  EXPECT_FALSE(Application().Terminated());
  form.Show();
  Application().SetMainForm(&form);
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  Application().SetMainForm(nullptr);
  EXPECT_TRUE(Application().Terminated()) << "the main form ends the program";
}

TEST(Form, SizeConstraintsHoldForEveryResize) {
  testing::MessageBoxRecorder recorder;
  TestForm form;
  form.SetConstraints({150, 120, 260, 200});
  form.Show();
  const auto size = [&form] {
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    return std::pair<int, int>(r.right - r.left, r.bottom - r.top);
  };
  SetWindowPos(form.Handle(), nullptr, 0, 0, 1000, 1000, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(size(), (std::pair<int, int>(260, 200)));
  SetWindowPos(form.Handle(), nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(size(), (std::pair<int, int>(150, 120)));
  MINMAXINFO info{};
  SendMessageW(form.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMaxTrackSize.x, 260);
  EXPECT_EQ(info.ptMinTrackSize.y, 120);
}

TEST(Form, AlignedPanelFollowsTheClientArea) {
  testing::MessageBoxRecorder recorder;
  TestForm form;
  RECT client{};
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(form.panel->Top(), client.bottom - 40);
  EXPECT_EQ(form.panel->Width(), client.right);
  SetWindowPos(form.Handle(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(form.panel->Top(), client.bottom - 40);
  EXPECT_EQ(form.panel->Width(), client.right);
}

TEST(Form, FocusFollowsTheTabOrderAndEnterClicksOnlyAButton) {
  testing::MessageBoxRecorder recorder;
  TestForm form;
  int clicks = 0;
  form.button->OnClick = [&clicks](TObject&) { ++clicks; };
  form.Show();
  EXPECT_EQ(GetFocus(), form.button->Handle()) << "tab order 0 comes first although made last";
  EXPECT_EQ(form.FocusOrder(), (std::vector<TWinControl*>{form.button, form.edit}));
  EXPECT_FALSE(form.DialogKey(*form.edit, VK_RETURN));
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(form.DialogKey(*form.button, VK_RETURN));
  EXPECT_EQ(clicks, 1);
  form.edit->SetEnabled(false);
  form.SelectNext(form.button, true);
  EXPECT_EQ(GetFocus(), form.button->Handle()) << "a disabled control is skipped";
}

// Enter and Escape reach the default and the cancel button wherever the
// focus is, through the application's key handling as a real key press would.
TEST(Form, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
  testing::MessageBoxRecorder recorder;
  TestForm form;
  TButton& cancel = form.Add<TButton>();
  cancel.SetParent(form.panel);
  cancel.SetBounds(110, 2, 80, 16);
  form.Show();
  int ok_clicks = 0, cancel_clicks = 0;
  form.button->OnClick = [&ok_clicks](TObject&) { ++ok_clicks; };
  cancel.OnClick = [&cancel_clicks](TObject&) { ++cancel_clicks; };
  form.edit->SetFocus();
  const auto press = [&form](UINT key) {
    PostMessageW(form.edit->Handle(), WM_KEYDOWN, key, 1);
    PostMessageW(form.edit->Handle(), WM_KEYUP, key, 1);
    Application().ProcessMessages();
  };

  press(VK_RETURN);
  press(VK_ESCAPE);
  EXPECT_EQ(ok_clicks + cancel_clicks, 0) << "without default or cancel button the keys do nothing";

  form.button->SetDefault(true);
  cancel.SetCancel(true);
  press(VK_RETURN);
  EXPECT_EQ(ok_clicks, 1) << "Enter in the edit box clicks the default button";
  press(VK_ESCAPE);
  EXPECT_EQ(cancel_clicks, 1) << "Escape clicks the cancel button";
  EXPECT_EQ(GetFocus(), form.edit->Handle()) << "the focus stays where it was";

  form.button->SetEnabled(false);
  press(VK_RETURN);
  EXPECT_EQ(ok_clicks, 1) << "a disabled default button does not click";
}

TEST(Form, LabelTakesTheSizeOfItsText) {
  testing::MessageBoxRecorder recorder;
  TestForm form;
  const int width = form.label->Width();
  EXPECT_GT(width, 20) << "loaded labels measure their text";
  EXPECT_GT(form.label->Height(), 5);
  form.label->SetCaption(u"Some text that is longer");
  EXPECT_GT(form.label->Width(), width);
  form.label->SetAutoSize(false);
  form.label->SetBounds(5, 5, 10, 10);
  form.label->SetCaption(u"x");
  EXPECT_EQ(form.label->Width(), 10);
}

TEST(Form, ParentPaintsItsBackgroundAndItsWindowlessChildren) {
  testing::MessageBoxRecorder recorder;
  TestForm form;
  form.Show();
  const int width = form.panel->Width(), height = form.panel->Height();
  platform::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  platform::UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  platform::SelectGuard select(dc.get(), bitmap.get());
  SendMessageW(form.panel->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
  const auto pixel = [&](int x, int y) { return static_cast<const uint32_t*>(bits)[y * width + x] & 0xFFFFFF; };
  EXPECT_EQ(pixel(width - 3, 3), 0xFF0000u) << "the panel's own colour (red as 0x00BBGGRR = 0xFF)";
  bool text_found = false;
  for (int y = form.label->Top(); y < form.label->Top() + form.label->Height(); ++y) {
    for (int x = form.label->Left(); x < form.label->Left() + form.label->Width(); ++x) {
      if (pixel(x, y) != 0xFF0000u) text_found = true;
    }
  }
  EXPECT_TRUE(text_found) << "the label's text was painted by its parent";

  // A child asks for the background behind it.
  const int w = 4, h = 4;
  platform::UniqueBitmap small(CreateCompatibleBitmap(dc.get(), w, h));
  platform::SelectGuard select_small(dc.get(), small.get());
  EXPECT_TRUE(form.edit->QueryParentBackground(dc.get(), RECT{0, 0, w, h}));
  EXPECT_EQ(GetPixel(dc.get(), 1, 1), static_cast<COLORREF>(0x0000FF));
}

}  // namespace
}  // namespace vorlan::ui
