#include "main_form_fixture.h"

#include "app/win/startup.h"
#include "platform/text.h"
#include "support/jpeg_maker.h"

namespace vorlan::app::testing {

std::vector<uint8_t> PlainJpeg(int width, int height, uint32_t rgb) {
  return vorlan::testing::MakeRgbJpeg(width, height, [rgb](int, int) { return rgb; });
}

MainFormFixture::MainFormFixture(bool real_shell_open) {
  SetUpApplication(ui::Application());
  text_answer = [](const std::u16string&) { return std::u16string(u"[]"); };
  stream_answer = [](std::vector<uint8_t>& stream) {
    const std::vector<uint8_t> jpeg = PlainJpeg(400, 200, 0x3366CC);
    stream.insert(stream.end(), jpeg.begin(), jpeg.end());
  };

  // A fresh directory for the result page.
  wchar_t buffer[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, buffer);
  previous_directory_ = buffer;
  GetTempPathW(MAX_PATH, buffer);
  static int counter = 0;
  directory = std::wstring(buffer) + L"vorlan-program-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(++counter);
  CreateDirectoryW(directory.c_str(), nullptr);
  SetCurrentDirectoryW(directory.c_str());

  TMainFormServices services;
  services.get_text = [this](const std::u16string& url) {
    text_urls.push_back(url);
    return text_answer(url);
  };
  services.get_stream = [this](const std::u16string& url, std::vector<uint8_t>& stream) {
    stream_urls.push_back(url);
    stream_answer(stream);
  };
  if (!real_shell_open) services.shell_open = [this](HWND, const std::u16string& target) { opened.push_back(target); };
  services.tray_notify = [this](DWORD message, NOTIFYICONDATAW& data) {
    tray_calls.push_back(message);
    tray_tips.push_back(ui::FromWide(data.szTip));
    return true;
  };
  form_ = std::make_unique<TMainForm>(std::move(services));
  boxes.watched = form_->Handle();
}

MainFormFixture::~MainFormFixture() {
  form_.reset();
  SetCurrentDirectoryW(previous_directory_.c_str());
  DeleteFileW((directory + L"\\vorlantv.html").c_str());
  RemoveDirectoryW(directory.c_str());
}

RECT MainFormFixture::WindowRect() {
  RECT rect{};
  GetWindowRect(Window(), &rect);
  return rect;
}

}  // namespace vorlan::app::testing
