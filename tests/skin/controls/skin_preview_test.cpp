// A skin preview sent by a second process to the application window.
#include <gtest/gtest.h>

#include <string>

#include "desktop_test_support.h"
#include "skin/data/preview_data.h"
#include "ui/window_subclass.h"

namespace vorlan::skin {
namespace {

using test::SkinnedProcess;

constexpr char kStartSkin[] = "[GLOBALINFO]\r\nVERSION=10.00\r\n[START]\r\n";

std::wstring SenderPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring text = path;
  return text.substr(0, text.find_last_of(L"\\/") + 1) + L"skin_preview_sender.exe";
}

// Runs the sender to its end while this thread answers the messages it sends
// (and only those: what they post is handled afterwards); its exit code.
DWORD Send(HWND window, const std::string& arguments) {
  std::wstring command = L"\"" + SenderPath() + L"\" " + std::to_wstring(reinterpret_cast<std::uintptr_t>(window)) +
                         L" " + std::wstring(arguments.begin(), arguments.end());
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    ADD_FAILURE() << "cannot start the sender: " << GetLastError();
    return 1000;
  }
  const platform::UniqueKernelHandle thread(process.hThread), handle(process.hProcess);
  const DWORD end = GetTickCount() + 30000;
  while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);  // answers sent messages
    if (static_cast<int>(end - GetTickCount()) < 0) {
      ADD_FAILURE() << "the sender hangs";
      TerminateProcess(process.hProcess, 1);
      return 1000;
    }
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  return code;
}

std::string Record(const char* name, const std::string& options) {
  return std::string(name) + " \"" + R"(C:\NoSuchSkins)" + "\" \"" + options + "\"";
}

const std::string kEdited = "[GLOBALINFO]|VERSION=10.00|[EDITED]|COLOR=4|";
const std::string kSecond = "[GLOBALINFO]|VERSION=10.00|[SECOND]|";

TEST(SkinPreview, FromAnotherProcessSelectsThePreviewedSkin) {
  SkinnedProcess process(kStartSkin);
  const HWND application = ui::Application().Handle();
  struct Row {
    std::string arguments;
    const char* why;
  };
  const Row ignored[] = {
      {"6 30645 0xA400 " + Record("Edited", kEdited), "another WParam"},
      {"7 30645 0xA401 " + Record("Edited", kEdited), "another magic"},
      {"7 30644 0xA400 " + Record("Edited", kEdited), "a copy one byte short"},
  };
  for (const Row& row : ignored) {
    EXPECT_EQ(Send(application, row.arguments), 0u) << row.why << ": not answered";
    test::PumpFor(50);
    EXPECT_EQ(process.Loaded(), u"START") << row.why;
    EXPECT_EQ(process.manager.SkinName(), u"Test") << row.why;
    EXPECT_FALSE(process.manager.PreviewMode()) << row.why;
  }

  EXPECT_EQ(Send(application, "7 40000 0xA400 " + Record("Edited", kEdited) + " " + Record("Second", kSecond)), 1u)
      << "the first is taken (a longer copy is cut); the second comes while the first waits for its load";
  EXPECT_EQ(process.Loaded(), u"START") << "loaded after the sender has its answer";
  test::PumpFor(50);
  EXPECT_EQ(process.Loaded(), u"EDITED");
  EXPECT_EQ(process.manager.SkinName(), u"Edited");
  EXPECT_EQ(process.manager.SkinDirectory(), u"C:\\NoSuchSkins");
  EXPECT_EQ(process.manager.Skin.gd[1].Props[0].Color, 4);
  EXPECT_TRUE(process.manager.PreviewMode());
  EXPECT_TRUE(process.box.Shown.empty());

  EXPECT_EQ(Send(application, "7 30645 0xA400 " + Record("Second", kSecond)), 1u) << "the next preview is taken";
  test::PumpFor(50);
  EXPECT_EQ(process.Loaded(), u"SECOND");
}

TEST(SkinPreview, AnAnsweredCopyIsNotAPreview) {
  // Behind the manager's watch: a handler of the program's own that answers.
  int seen = 0;
  ui::TWindowSubclass own(ui::Application().Handle(), [&](ui::TMessage& message, const ui::TPassOn& pass_on) {
    if (message.Msg != WM_COPYDATA) return pass_on(message);
    ++seen;
    message.Result = 2;
  });
  SkinnedProcess process(kStartSkin);
  EXPECT_EQ(Send(ui::Application().Handle(), "7 30645 0xA400 " + Record("Edited", kEdited)), 1u);
  test::PumpFor(50);
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(process.Loaded(), u"START");
  EXPECT_FALSE(process.manager.PreviewMode());
}

}  // namespace
}  // namespace vorlan::skin
