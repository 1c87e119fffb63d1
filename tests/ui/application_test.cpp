#include "ui/application.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/error.h"
#include "ui/message_box_recorder.h"

namespace vorlan::ui {
namespace {

struct Row {
  std::exception_ptr error;
  std::vector<std::u16string> shown;
  const char* why;
};

TEST(Application, ErrorBoxShowsTheMessageInItsFinalForm) {
  testing::MessageBoxRecorder recorder;
  Application().SetTitle(u"Caption");
  Application().ErrorText = [](std::u16string_view message) { return u"<" + std::u16string(message) + u">"; };
  const std::vector<Row> rows = {
      {std::make_exception_ptr(vorlan::Error(std::u16string(u"Ошибка"))), {u"<Ошибка>"}, "the program's errors"},
      {std::make_exception_ptr(std::runtime_error("runtime")), {u"<runtime>"}, "other errors show their text"},
      {std::make_exception_ptr(EAbort()), {}, "the silent error shows nothing"},
      {std::make_exception_ptr(42), {u"<Unknown error>"}, "anything else still gets a box"},
  };
  for (const Row& row : rows) {
    recorder.boxes.clear();
    Application().HandleException(row.error);
    std::vector<std::u16string> shown;
    for (const auto& box : recorder.boxes) {
      shown.push_back(box.text);
      EXPECT_EQ(box.caption, u"Caption") << row.why;
      EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONSTOP)) << row.why;
    }
    EXPECT_EQ(shown, row.shown) << row.why;
  }
  Application().ErrorText = nullptr;
}

TEST(Application, ErrorBoxIsOwnedByTheActiveWindow) {
  testing::MessageBoxRecorder recorder;
  const auto make_window = [] {
    return CreateWindowExW(0, L"STATIC", L"window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  };
  HWND first = make_window();
  HWND second = make_window();
  ASSERT_TRUE(first && second);
  const auto owner_of_box_with = [&](HWND active) {
    if (active) {
      SetForegroundWindow(active);
      SetActiveWindow(active);
    }
    recorder.boxes.clear();
    Application().HandleException(std::make_exception_ptr(std::runtime_error("failed")));
    return recorder.boxes.size() == 1 ? recorder.boxes[0].owner : HWND(INVALID_HANDLE_VALUE);
  };
  EXPECT_EQ(owner_of_box_with(second), second) << "the window the user works in";
  EXPECT_EQ(owner_of_box_with(first), first) << "whichever it is";
  DestroyWindow(first);
  DestroyWindow(second);
  ASSERT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(owner_of_box_with(nullptr), Application().Handle()) << "without one, the application's window";
}

TEST(Application, TerminateFromAHandlerEndsTheLoop) {
  testing::MessageBoxRecorder recorder;
  int handled = 0;
  TMessageWindow window([&handled](TMessage& message) {
    if (message.Msg != WM_APP) return false;
    ++handled;
    Application().Terminate();
    return true;
  });
  PostMessageW(window.Handle(), WM_APP, 0, 0);
  Application().Run();  // no main form: just the loop
  EXPECT_EQ(handled, 1);
  EXPECT_TRUE(Application().Terminated());
  Application().ResetTerminated();
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "no quit left for a later loop";
}

}  // namespace
}  // namespace vorlan::ui
