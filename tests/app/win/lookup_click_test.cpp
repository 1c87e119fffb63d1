#include <gtest/gtest.h>

#include "app/build_config.h"
#include "main_form_fixture.h"
#include "platform/error.h"
#include "platform/shell_execute_win.h"
#include "platform/text.h"
#include "ui/application.h"

namespace vorlan::app {
namespace {

using testing::MainFormFixture;

void TypeInto(HWND edit, std::u16string_view text) {
  for (char16_t c : text) SendMessageW(edit, WM_CHAR, c, 1);
}

TEST(LookupClick, EnterInTheEditBoxStartsNothingAClickDoes) {
  MainFormFixture f;
  f.Form().Show();
  const HWND edit = f.Form().SkinEdit1->Handle();
  const HWND button = f.Form().SkinButton1->Handle();
  f.Form().SkinEdit1->SetFocus();
  ASSERT_EQ(GetFocus(), edit);
  TypeInto(edit, u"306084");
  PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(edit, WM_KEYUP, VK_RETURN, 1);
  ui::Application().ProcessMessages();
  EXPECT_TRUE(f.text_urls.empty()) << "the button is not the window's default button";

  SendMessageW(button, BM_CLICK, 0, 0);
  ASSERT_EQ(f.text_urls.size(), 1u);
  const std::u16string expected = u"http://" + platform::Utf8ToUtf16(build_config::kCatalogueHost) +
                                  u"/api/videos.json?kinopoisk_id=306084&api_token=3f9a0c7d2e6b41a8950d7c3e1b2f4a6d";
  EXPECT_EQ(f.text_urls[0], expected);
  EXPECT_EQ(f.opened, std::vector<std::u16string>{u"vorlantv.html"}) << "the page is written and opened";
  EXPECT_EQ(f.Form().Memo1->Text(), u"[]") << "the memo keeps the last response";

  f.Form().SkinButton1->SetFocus();
  PostMessageW(button, WM_KEYDOWN, VK_RETURN, 1);
  ui::Application().ProcessMessages();
  EXPECT_EQ(f.text_urls.size(), 2u) << "Enter on the focused button clicks it";
  EXPECT_TRUE(f.boxes.boxes.empty());
}

struct FailureRow {
  std::function<std::u16string(const std::u16string&)> answer;
  std::u16string expected_box;
  const char* why;
};

TEST(LookupClick, AFailedLookupShowsItsMessageWithThePeriodRule) {
  const auto throwing = [](const char* message) {
    return [message](const std::u16string&) -> std::u16string { throw vorlan::Error(std::string(message)); };
  };
  const auto answering = [](std::u16string text) { return [text](const std::u16string&) { return text; }; };
  const std::vector<FailureRow> rows = {
      {throwing("HTTP/1.1 404 Not Found"), u"HTTP/1.1 404 Not Found.", "a status line gets its period"},
      {throwing("Socket Error # 10061\r\nConnection refused."), u"Socket Error # 10061\r\nConnection refused.",
       "a message ending in a period is unchanged"},
      {answering(u"{}"), u"Текст не содержит массив.", "not an array"},
      {answering(u"[1"), u"Текст не содержит JSON-данные.", "not JSON"},
      {answering(u"[{\"seasons_count\":null}]"), u"'''' is not a valid integer value.", "empty count text"},
  };
  for (const FailureRow& row : rows) {
    MainFormFixture f;
    f.Form().Show();
    f.text_answer = row.answer;
    SendMessageW(f.Form().SkinButton1->Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(f.boxes.boxes.size(), 1u) << row.why;
    EXPECT_EQ(f.boxes.boxes[0].text, row.expected_box) << row.why;
    EXPECT_EQ(f.boxes.boxes[0].caption, u"VorlanTV клиент 1.0") << row.why;
    EXPECT_EQ(f.boxes.boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONSTOP)) << row.why;
    EXPECT_TRUE(f.opened.empty()) << row.why << ": nothing is opened";
    EXPECT_TRUE(IsWindowVisible(f.Window())) << row.why << ": the window stays usable";
  }
}

// One request to the shell as the system would receive it.
struct ShellCall {
  HWND owner;
  std::wstring verb, file;
  bool parameters, directory;
  INT show;
  friend bool operator==(const ShellCall&, const ShellCall&) = default;
};
std::vector<ShellCall>* g_shell_calls = nullptr;

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
                                    INT show) {
  g_shell_calls->push_back(
      {owner, verb ? verb : L"(none)", file ? file : L"(none)", parameters != nullptr, directory != nullptr, show});
  return reinterpret_cast<HINSTANCE>(42);  // success, as the shell reports it
}

TEST(LookupClick, ThePageAndBothSitesReachTheShellAsOpenRequestsOwnedByTheWindow) {
  std::vector<ShellCall> calls;
  g_shell_calls = &calls;
  const platform::ShellExecuteFunction previous = platform::ReplaceShellExecute(RecordShellExecute);
  {
    MainFormFixture f(true);
    f.Form().Show();
    SendMessageW(f.Form().SkinButton1->Handle(), BM_CLICK, 0, 0);
    f.Form().N1->Click();
    f.Form().K1->Click();
    const auto wide = [](const std::u16string& text) { return std::wstring(text.begin(), text.end()); };
    const std::vector<ShellCall> expected = {
        {f.Window(), L"open", L"vorlantv.html", false, false, SW_SHOWNORMAL},
        {f.Window(), L"open", wide(TMainForm::PortalAddress()), false, false, SW_SHOWNORMAL},
        {f.Window(), L"open", wide(TMainForm::FilmDatabaseAddress()), false, false, SW_SHOWNORMAL},
    };
    EXPECT_EQ(calls, expected);
    EXPECT_NE(GetFileAttributesW((f.directory + L"\\vorlantv.html").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the page the shell is asked to open lies in the current directory";
    EXPECT_TRUE(f.boxes.boxes.empty());
  }
  platform::ReplaceShellExecute(previous);
  g_shell_calls = nullptr;
}

// The user's decimal separator, set for the test and put back afterwards.
class UserDecimalSeparator {
 public:
  explicit UserDecimalSeparator(const wchar_t* separator) {
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_, 8);
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator);
  }
  ~UserDecimalSeparator() { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_); }
  UserDecimalSeparator(const UserDecimalSeparator&) = delete;
  UserDecimalSeparator& operator=(const UserDecimalSeparator&) = delete;

 private:
  wchar_t saved_[8] = {};
};

TEST(LookupClick, ACountThatIsNoIntegerIsShownWithTheUsersDecimalSeparator) {
  for (const wchar_t* separator : {L",", L"."}) {
    UserDecimalSeparator locale(separator);
    wchar_t now[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, now, 8);
    ASSERT_EQ(std::wstring(now), separator) << "the system took the setting";
    MainFormFixture f;
    f.Form().Show();
    f.text_answer = [](const std::u16string&) { return std::u16string(u"[{\"seasons_count\":9.5}]"); };
    SendMessageW(f.Form().SkinButton1->Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(f.boxes.boxes.size(), 1u);
    EXPECT_EQ(f.boxes.boxes[0].text,
              u"''9" + std::u16string(1, char16_t(separator[0])) + u"5'' is not a valid integer value.");
  }
}

TEST(LookupClick, MemoKeepsTheNewResponseAfterABadAnswerButNotAfterAFailedRequest) {
  MainFormFixture f;
  f.Form().Show();
  const std::u16string sample = f.Form().Memo1->Text();
  EXPECT_EQ(sample.rfind(u"[{\"title_ru\"", 0), 0u) << "the memo starts with a sample response";
  f.text_answer = [](const std::u16string&) -> std::u16string { throw vorlan::Error(std::string("down")); };
  SendMessageW(f.Form().SkinButton1->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(f.Form().Memo1->Text(), sample);
  f.text_answer = [](const std::u16string&) { return std::u16string(u"{\"a\":1}"); };
  SendMessageW(f.Form().SkinButton1->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(f.Form().Memo1->Text(), u"{\"a\":1}");
  EXPECT_EQ(f.boxes.boxes.size(), 2u);
}

}  // namespace
}  // namespace vorlan::app
