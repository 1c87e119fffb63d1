#include "skin/controls/base/output_window.h"

#include <gtest/gtest.h>

#include "paint/colors.h"
#include "ui/application.h"
#include "ui/form.h"

namespace vorlan::skin {
namespace {

TEST(OutputWindow, APopupOwnedByTheApplicationThatNeitherErasesNorFramesItself) {
  ui::TOwned<TOutputWindow> output = ui::MakeOwned<TOutputWindow>();
  EXPECT_EQ(output->Caption(), u"skOutputWindow");
  EXPECT_EQ(output->Color(), paint::kKeyColor);
  output->HandleNeeded();
  ASSERT_TRUE(output->HandleAllocated());
  const HWND window = output->Handle();
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & ~WS_CLIPSIBLINGS, static_cast<LONG_PTR>(WS_POPUP))
      << "a popup and nothing more";
  EXPECT_EQ(GetWindow(window, GW_OWNER), ui::Application().Handle());
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "the application window is not topmost";
  EXPECT_EQ(SendMessageW(window, WM_ERASEBKGND, 0, 0), 1);

  ui::TForm form;
  ui::TOwned<TOutputWindow> child = ui::MakeOwned<TOutputWindow>();
  child->SetParent(&form);
  EXPECT_TRUE(GetWindowLongPtrW(child->Handle(), GWL_STYLE) & WS_CHILD) << "with a parent, an ordinary child";
}

}  // namespace
}  // namespace vorlan::skin
