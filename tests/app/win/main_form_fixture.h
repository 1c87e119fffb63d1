#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/win/main_form.h"
#include "ui/message_box_recorder.h"

namespace vorlan::app::testing {

// A main form whose network, shell and tray calls are recorded and answered
// by the test, in a working directory of its own.
class MainFormFixture {
 public:
  // With `real_shell_open` the program's own shell call runs (a test then
  // replaces the system call beneath it).
  explicit MainFormFixture(bool real_shell_open = false);
  ~MainFormFixture();
  MainFormFixture(const MainFormFixture&) = delete;
  MainFormFixture& operator=(const MainFormFixture&) = delete;

  TMainForm& Form() { return *form_; }
  HWND Window() { return form_->Handle(); }
  RECT WindowRect();
  // Destroys the form (as the end of the program does).
  void DestroyForm() { form_.reset(); }

  // The answers; by default an empty catalogue list and a 400 × 200 picture.
  std::function<std::u16string(const std::u16string& url)> text_answer;
  std::function<void(std::vector<uint8_t>& stream)> stream_answer;

  std::vector<std::u16string> text_urls;
  std::vector<std::u16string> stream_urls;
  std::vector<std::u16string> opened;
  std::vector<DWORD> tray_calls;
  std::vector<std::u16string> tray_tips;
  ui::testing::MessageBoxRecorder boxes;
  std::wstring directory;

 private:
  std::wstring previous_directory_;
  std::unique_ptr<TMainForm> form_;
};

// A picture of one colour (0xRRGGBB), as the picture service might send it.
std::vector<uint8_t> PlainJpeg(int width, int height, uint32_t rgb);

}  // namespace vorlan::app::testing
