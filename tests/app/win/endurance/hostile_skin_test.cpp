// Damaged skins given to the program, on its command line and as a skin
// preview: it comes up with the stored skin (or keeps the one it shows),
// shows the error's text where loading fails, and never crashes, hangs or
// shows a black window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "probed_program.h"
#include "skin_files.h"

namespace vorlan::app::testing {
namespace {

constexpr TColour kBlack = 0x000000;
constexpr wchar_t kErrorCaption[] = L"Error";
constexpr wchar_t kNotABitmap[] = L"Bitmap image is not valid.";

struct Box {
  std::wstring caption, text;  // an empty caption: any
};

// Every kind of damage, each in a skin directory or package of its own; the
// options text a preview of it sends.
class DamagedSkins {
 public:
  DamagedSkins() {
    options_ = skins_.CopyOfInternalSkin(L"Intact");
    skins_.CopyOfInternalSkin(L"Truncated");
    skins_.Pack(L"Truncated", L"Truncated", 0.6);
    skins_.CopyOfInternalSkin(L"NoOptions");
    skins_.Remove(L"NoOptions", L"Options.dat");
    skins_.Pack(L"NoOptions", L"NoOptionsPackage");
    bad_indexes_ = WithPositionsOutOfRange(options_);
    skins_.CopyOfInternalSkin(L"BadIndexes");
    skins_.Replace(L"BadIndexes", L"Options.dat", std::vector<std::uint8_t>(bad_indexes_.begin(), bad_indexes_.end()));
    // A header that promises 240 million pixels, and nothing after it.
    skins_.CopyOfInternalSkin(L"HugeImage");
    skins_.Replace(L"HugeImage", L"Master copy.bmp", BitmapFile(60000, 4000, 16));
    skins_.CopyOfInternalSkin(L"ZeroImage");
    skins_.Replace(L"ZeroImage", L"Master copy.bmp", BitmapFile(0, 0, 0));
    skins_.CopyOfInternalSkin(L"TruncatedImage");
    std::vector<std::uint8_t> master = ReadBytes(skins_.PathOf(L"TruncatedImage\\Master copy.bmp"));
    master.resize(master.size() / 2);
    skins_.Replace(L"TruncatedImage", L"Master copy.bmp", master);
  }

  std::wstring Path(const wchar_t* name) const { return skins_.PathOf(name); }
  std::string Directory() const { return Narrow(skins_.Directory()); }
  // The text a preview of the skin sends: its damaged options, none for the
  // skin without options, else the intact ones (the images are damaged).
  std::string PreviewText(const std::wstring& name) const {
    if (name == L"NoOptions") return {};
    return name == L"BadIndexes" ? bad_indexes_ : options_;
  }

 private:
  SkinFiles skins_;
  std::string options_, bad_indexes_;
};

// Answers every message box that comes before the window or, once it is up,
// after everything posted has run; the boxes in order.
std::vector<Box> AnswerBoxes(ProbedProgram& program) {
  std::vector<Box> boxes;
  for (int i = 0; i < 5; ++i) {
    if (program.Form() == nullptr) {
      if (!program.WaitForWindowOrBox()) break;
    } else {
      program.WaitIdle();
    }
    const std::vector<HWND> shown = program.MessageBoxes();
    if (shown.empty()) {
      if (program.Form() != nullptr) break;
      continue;
    }
    boxes.push_back({ProbedProgram::BoxCaption(shown.front()), ProbedProgram::BoxText(shown.front())});
    ProbedProgram::PressOk(shown.front());
    program.WaitUntil([&] { return !IsWindowVisible(shown.front()); });
  }
  return boxes;
}

TColour ActiveTitle(ProbedProgram& program) {
  SetForegroundWindow(program.Form());
  program.WaitIdle();
  return program.TitleColour();
}

struct Row {
  const wchar_t* skin;
  std::vector<Box> boxes;
  bool stored_look;  // the title as the stored skin shows it (else only painted)
  const char* why;
};

void ExpectShownAsRowSays(ProbedProgram& program, const std::vector<Box>& boxes, const Row& row, TColour stored) {
  ASSERT_TRUE(program.Running()) << row.why << ": the program runs";
  ASSERT_NE(program.Form(), nullptr) << row.why << ": its window came up";
  ASSERT_EQ(boxes.size(), row.boxes.size()) << row.why;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (!row.boxes[i].caption.empty()) {
      EXPECT_EQ(Utf8(boxes[i].caption), Utf8(row.boxes[i].caption)) << row.why;
    }
    EXPECT_EQ(Utf8(boxes[i].text), Utf8(row.boxes[i].text)) << row.why;
  }
  EXPECT_TRUE(IsWindowVisible(program.Form())) << row.why;
  EXPECT_TRUE(program.WaitIdle()) << row.why << ": the window answers";
  const TColour title = ActiveTitle(program), client = program.ClientColour();
  EXPECT_FALSE(SameColour(title, kBlack, 24)) << row.why << ": the title is painted, " << ColourText(title);
  EXPECT_FALSE(SameColour(client, kBlack, 24)) << row.why << ": the client area is painted, " << ColourText(client);
  if (row.stored_look) {
    EXPECT_TRUE(SameColour(title, stored))
        << row.why << ": the stored skin's title " << ColourText(stored) << ", not " << ColourText(title);
  }
}

TColour StoredTitle() {
  ProbedProgram plain;
  EXPECT_TRUE(plain.WaitForWindowOrBox());
  return plain.Form() != nullptr ? ActiveTitle(plain) : 0;
}

TEST(HostileSkins, OnTheCommandLineTheProgramComesUpWithAShowableSkin) {
  const DamagedSkins damaged;
  const TColour stored = StoredTitle();
  const std::wstring format_error =
      L"Internal format error in the \"NoOptionsPackage\" skin. Please, update this skin to latest version.";
  const Row rows[] = {
      {L"Truncated.asz", {{kErrorCaption, L"Stream read error"}}, true, "a package cut off inside a member"},
      {L"NoOptions", {}, true, "a skin directory without options: the stored skin, silently"},
      {L"NoOptionsPackage.asz", {{L"", format_error}}, true, "a package without options"},
      {L"BadIndexes", {}, false, "positions outside every picture: the skin shows what it can"},
      {L"HugeImage", {{kErrorCaption, kNotABitmap}}, true, "a master bitmap promising 240 million pixels"},
      {L"ZeroImage", {{kErrorCaption, kNotABitmap}}, true, "a master bitmap of 0 x 0 pixels"},
      {L"TruncatedImage", {{kErrorCaption, kNotABitmap}}, true, "a master bitmap cut in half"},
  };
  for (const Row& row : rows) {
    ProbedProgram program(L"--skin \"" + damaged.Path(row.skin) + L"\"");
    const std::vector<Box> boxes = AnswerBoxes(program);
    ExpectShownAsRowSays(program, boxes, row, stored);
  }
}

TEST(HostileSkins, AsAPreviewTheProgramKeepsTheSkinItShowsOrShowsWhatItCan) {
  const DamagedSkins damaged;
  const TColour stored = StoredTitle();
  const Row rows[] = {
      {L"NoOptions", {}, true, "a preview without options text"},
      {L"BadIndexes", {}, false, "positions outside every picture"},
      {L"HugeImage", {{kErrorCaption, kNotABitmap}}, true, "a master bitmap promising 240 million pixels"},
      {L"ZeroImage", {{kErrorCaption, kNotABitmap}}, true, "a master bitmap of 0 x 0 pixels"},
      {L"TruncatedImage", {{kErrorCaption, kNotABitmap}}, true, "a master bitmap cut in half"},
  };
  for (const Row& row : rows) {
    ProbedProgram program;
    ASSERT_TRUE(program.WaitForWindowOrBox()) << row.why;
    ASSERT_TRUE(program.SendPreview(Narrow(row.skin), damaged.Directory(), damaged.PreviewText(row.skin))) << row.why;
    const std::vector<Box> boxes = AnswerBoxes(program);
    ExpectShownAsRowSays(program, boxes, row, stored);
  }
}

}  // namespace
}  // namespace vorlan::app::testing
