#include "app/film_lookup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/lookup_error.h"
#include "app/result_page.h"
#include "platform/error.h"
#include "platform/file_write.h"
#include "platform/text.h"

namespace vorlan::app {
namespace {

namespace fs = std::filesystem;

// Each test runs in a fresh empty working directory, since the page goes
// to the current directory.
class FilmLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    directory_ = fs::temp_directory_path() / (std::string("vorlan_lookup_") + info->name());
    fs::remove_all(directory_);
    fs::create_directories(directory_);
    fs::current_path(directory_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(directory_);
  }

  static std::string PageFileContent() {
    std::ifstream in("vorlantv.html", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // Runs the lookup with a canned answer; records the URL asked for and
  // every page opened.
  LookupResult Lookup(std::u16string_view edit_text, std::u16string answer) {
    return RunFilmLookup(
        edit_text,
        [this, answer](const std::u16string& url) {
          urls_.push_back(url);
          return answer;
        },
        holder_, hosts_, [this](const std::u16string& file) { opened_.push_back(file); });
  }

  std::u16string FailureMessage(std::u16string_view edit_text, std::u16string answer) {
    try {
      Lookup(edit_text, std::move(answer));
    } catch (const Error& error) {
      return error.Message();
    }
    return u"(no error)";
  }

  fs::path previous_;
  fs::path directory_;
  TResponseHolder holder_{u"sample"};
  LookupHosts hosts_{u"catalogue.test:8081", u"portal.test"};
  std::vector<std::u16string> urls_;
  std::vector<std::u16string> opened_;
};

TEST_F(FilmLookupTest, SendsTheEditTextUnchangedInTheCatalogueUrl) {
  const struct {
    std::u16string edit;
    const char* why;
  } cases[] = {{u"306084", "a number"}, {u"", "an empty edit box"}, {u" 12 a&b=ё", "spaces, signs, non-ASCII"}};
  for (const auto& c : cases) {
    urls_.clear();
    Lookup(c.edit, u"[]");
    ASSERT_EQ(urls_.size(), 1u) << c.why;
    EXPECT_EQ(urls_[0], u"http://catalogue.test:8081/api/videos.json?kinopoisk_id=" + c.edit +
                            u"&api_token=3f9a0c7d2e6b41a8950d7c3e1b2f4a6d")
        << c.why;
  }
}

TEST_F(FilmLookupTest, WritesKeepsAndOpensThePage) {
  const std::u16string answer =
      u"\uFEFF[{\"title_ru\":\"Фильм\",\"title_en\":\"Film\",\"translator\":\"Я\","
      u"\"iframe_url\":\"http://v.test/1\",\"seasons_count\":9}]\r\n";
  const LookupResult result = Lookup(u"1", answer);
  EXPECT_EQ(holder_.Text(), answer);
  ASSERT_EQ(result.videos.size(), 1u);
  EXPECT_EQ(PageFileContent(), ResultPageBytes(result.lines));
  EXPECT_EQ(result.lines.size(), 12u);
  EXPECT_EQ(result.lines[8], u"Сезонов: 9 <br>");
  EXPECT_EQ(opened_, std::vector<std::u16string>{u"vorlantv.html"});
}

TEST_F(FilmLookupTest, EmptyArrayWritesAndOpensAnEmptyPage) {
  Lookup(u"1", u"[]");
  const std::string page = PageFileContent();
  EXPECT_EQ(page.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(page.find("<h4>"), std::string::npos);
  EXPECT_TRUE(page.ends_with("</html>\r\n"));
  EXPECT_EQ(opened_.size(), 1u);
}

TEST_F(FilmLookupTest, HolderKeepsTheAnswerOnlyUpToNul) {
  const std::u16string after_array(u"[]\0garbage", 10);
  Lookup(u"1", after_array);
  EXPECT_EQ(holder_.Text(), u"[]") << "text after U+0000 is gone, the array alone parses";

  const std::u16string inside_array(u"[{\"title_ru\":\"a\0b\"}]", 20);
  EXPECT_EQ(FailureMessage(u"1", inside_array), u"Текст не содержит JSON-данные");
  EXPECT_EQ(holder_.Text(), u"[{\"title_ru\":\"a");
}

TEST_F(FilmLookupTest, FailedRequestChangesNothing) {
  Lookup(u"1", u"[]");
  const std::string first_page = PageFileContent();
  opened_.clear();
  const GetText failing = [](const std::u16string&) -> std::u16string {
    throw Error(std::u16string_view(u"HTTP/1.1 404 Not Found"));
  };
  try {
    RunFilmLookup(u"2", failing, holder_, hosts_, [this](const std::u16string& f) { opened_.push_back(f); });
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.Message(), u"HTTP/1.1 404 Not Found") << "the client's message passes unchanged";
  }
  EXPECT_EQ(holder_.Text(), u"[]");
  EXPECT_EQ(PageFileContent(), first_page);
  EXPECT_TRUE(opened_.empty());
}

TEST_F(FilmLookupTest, BadAnswerKeepsTheOldPageAndOpensNothing) {
  Lookup(u"1", u"[{\"title_ru\":\"old\"}]");
  const std::string first_page = PageFileContent();
  opened_.clear();
  EXPECT_EQ(FailureMessage(u"2", u"[{\"title_ru\":\"new\"},{\"seasons_count\":null}]"),
            u"'''' is not a valid integer value");
  EXPECT_EQ(holder_.Text(), u"[{\"title_ru\":\"new\"},{\"seasons_count\":null}]") << "the holder has the new answer";
  EXPECT_EQ(PageFileContent(), first_page);
  EXPECT_TRUE(opened_.empty());
}

TEST_F(FilmLookupTest, ASecondLookupReplacesALongerPageCompletely) {
  Lookup(u"1", u"[{},{},{},{}]");
  Lookup(u"2", u"[]");
  TPageLines empty_page;
  BuildResultPage({}, empty_page, hosts_.portal);
  EXPECT_EQ(PageFileContent(), ResultPageBytes(empty_page));
}

TEST_F(FilmLookupTest, UncreatablePageFailsWithPathAndSystemText) {
  fs::create_directory("vorlantv.html");  // a directory cannot be opened as the page file
  const std::u16string message = FailureMessage(u"1", u"[]");
  const std::u16string prefix = u"Cannot create file \"" + (fs::current_path() / "vorlantv.html").u16string() + u"\". ";
  ASSERT_TRUE(message.starts_with(prefix)) << platform::Utf16ToUtf8(message);
  const std::u16string system_text = message.substr(prefix.size());
  ASSERT_FALSE(system_text.empty());
  EXPECT_NE(system_text.back(), u'.') << "trailing periods are removed";
  EXPECT_GT(system_text.back(), u' ') << "trailing blanks and line breaks are removed";
  EXPECT_TRUE(opened_.empty());
}

TEST(CannotCreateFileMessage, TrimsTrailingBlanksAndPeriodsOfTheSystemText) {
  EXPECT_EQ(platform::CannotCreateFileMessage(u"C:\\w\\vorlantv.html", u"Access is denied.\r\n"),
            u"Cannot create file \"C:\\w\\vorlantv.html\". Access is denied");
  EXPECT_EQ(platform::CannotCreateFileMessage(u"/w/vorlantv.html", u"Permission denied"),
            u"Cannot create file \"/w/vorlantv.html\". Permission denied");
  EXPECT_EQ(platform::CannotCreateFileMessage(u"/p", u"a. b .. \t"), u"Cannot create file \"/p\". a. b");
}

TEST(ResponseHolder, KeepsTextUpToTheFirstNul) {
  TResponseHolder holder(u"start");
  holder.SetText(std::u16string(u"ab\0cd", 5));
  EXPECT_EQ(holder.Text(), u"ab");
  holder.SetText(std::u16string(u"\0x", 2));
  EXPECT_EQ(holder.Text(), u"");
  holder.SetText(u"plain");
  EXPECT_EQ(holder.Text(), u"plain");
}

}  // namespace
}  // namespace vorlan::app
