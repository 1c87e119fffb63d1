// The memory the running program holds: its private bytes after start and
// after 100 lookups, against the bare window's process, read from outside;
// then the skin engine's share: what the main form with its skin adds to a
// running process (this one), and where it goes (the loaded skin, cache
// pictures, glow windows).
//   bench_working_set PROGRAM [FILM_NUMBER]
// PROGRAM is VorlanTV.exe built for the local stand-in services, which must
// be running (the banner and the lookups go to them).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <set>
#include <string>

#include "bare_window.h"
#include "shown_main_form.h"
#include "skin/controls/effects/glow.h"
#include "skin/data/skin_manager.h"
#include "window_watch.h"

namespace {

using vorlan::paint::TBitmap32;

constexpr wchar_t kFormClass[] = L"VorlanForm";
constexpr int kLookups = 100;
constexpr double kSkinShareGoalMiB = 8;
constexpr double kMiB = 1024.0 * 1024.0;

std::wstring SelfDirectory() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring self = path;
  return self.substr(0, self.find_last_of(L"\\/") + 1);
}

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

double MiB(std::uint64_t bytes) { return static_cast<double>(bytes) / kMiB; }

// The private bytes of a painted program's process once it has settled.
std::uint64_t SettledPrivateBytes(const bench::ChildProgram& program) {
  Sleep(500);
  return bench::PrivateBytes(program.Process());
}

struct LookupControls {
  HWND edit = nullptr;
  HWND button = nullptr;
};

// The edit box and the search button, found as the program's driver finds them.
LookupControls FindLookupControls(HWND form) {
  LookupControls found;
  EnumChildWindows(
      form,
      [](HWND child, LPARAM param) -> BOOL {
        auto* f = reinterpret_cast<LookupControls*>(param);
        wchar_t name[64] = {}, caption[64] = {};
        GetClassNameW(child, name, 64);
        GetWindowTextW(child, caption, 64);
        if (!IsWindowVisible(child)) return TRUE;
        if (_wcsicmp(name, L"Edit") == 0 && !(GetWindowLongW(child, GWL_STYLE) & ES_MULTILINE)) f->edit = child;
        if (std::wcsncmp(caption, L"Найти", 5) == 0) f->button = child;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Types the number and clicks the search button `count` times; each click
// returns when its lookup has ended. False when a click did not return.
bool RunLookups(HWND form, const std::wstring& number, int count) {
  const LookupControls controls = FindLookupControls(form);
  if (controls.edit == nullptr || controls.button == nullptr) return false;
  DWORD_PTR result = 0;
  for (wchar_t c : number) SendMessageTimeoutW(controls.edit, WM_CHAR, c, 1, SMTO_NORMAL, 10000, &result);
  for (int i = 0; i < count; ++i) {
    if (!SendMessageTimeoutW(controls.button, BM_CLICK, 0, 0, SMTO_NORMAL, 30000, &result)) return false;
  }
  return true;
}

std::uint64_t Bytes(const TBitmap32* bitmap) {
  return bitmap == nullptr ? 0 : std::uint64_t{4} * static_cast<std::uint64_t>(bitmap->Width()) * bitmap->Height();
}

std::uint64_t CacheBytes(const vorlan::skin::TSkinCommonData& data) { return Bytes(data.FCacheBmp.get()); }

// The bytes of every distinct bitmap of the loaded skin.
std::uint64_t SkinBitmapBytes(const vorlan::skin::TLoadedSkin& skin) {
  std::set<const TBitmap32*> seen;
  std::uint64_t bytes = 0;
  const auto add = [&](const vorlan::skin::SkinBitmapPtr& bitmap) {
    if (bitmap && seen.insert(bitmap.get()).second) bytes += Bytes(bitmap.get());
  };
  add(skin.MasterBitmap);
  for (const auto& file : skin.ExtArray) add(file.Bmp);
  for (const auto& mask : skin.ma) add(mask.Bmp);
  return bytes;
}

std::uint64_t GlowBytes(const vorlan::skin::TSkinCommonData& data) {
  const vorlan::skin::TSkGlowEffect* glow = vorlan::skin::GlowEffect(data.GlowID);
  return glow == nullptr ? 0 : Bytes(glow->AlphaBmp.get());
}

// Where the skin engine's memory goes in a running main form.
int ShowInside() {
  const std::uint64_t before = bench::PrivateBytes(GetCurrentProcess());
  bench::ShownMainForm shown;
  vorlan::app::TMainForm& form = shown.Form();
  bench::PumpFor(500);
  const std::uint64_t shown_bytes = bench::PrivateBytes(GetCurrentProcess());

  const vorlan::skin::TSkinManager& manager = *form.SkinManager1;
  const std::uint64_t skin_bitmaps = SkinBitmapBytes(manager.Skin);
  const std::uint64_t tables = manager.Skin.gd.size() * sizeof(vorlan::skin::TSkinGeneralData) +
                               manager.Skin.ma.size() * sizeof(vorlan::skin::TSkinMaskData);
  std::uint64_t package = 0;
  for (std::size_t i = 0; i < manager.InternalSkins.Count(); ++i) package += manager.InternalSkins[i].Data.size();
  const std::uint64_t form_cache = CacheBytes(form.SkinProvider1->SkinData()) + Bytes(&form.SkinProvider1->TempBmp);
  const std::uint64_t controls_cache = CacheBytes(form.SkinPanel1->SkinData()) +
                                       CacheBytes(form.SkinPanel2->SkinData()) +
                                       CacheBytes(form.SkinButton1->SkinData()) +
                                       CacheBytes(form.SkinEdit1->SkinData()) + CacheBytes(form.SkinImage1->SkinData());
  const std::uint64_t banner = Bytes(&form.SkinImage1->Picture());

  // The glows exist while the mouse is over a control: each as its own
  // picture and the window system's copy of it.
  RECT r{};
  GetClientRect(form.SkinButton1->Handle(), &r);
  POINT at{r.right / 2, r.bottom / 2};
  ClientToScreen(form.SkinButton1->Handle(), &at);
  SetCursorPos(at.x, at.y);
  SendMessageW(form.SkinButton1->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(r.right / 2, r.bottom / 2));
  bench::PumpFor(400);
  const std::uint64_t glow = GlowBytes(form.SkinButton1->SkinData());
  const std::uint64_t hovered = bench::PrivateBytes(GetCurrentProcess());

  std::printf(
      "the main form with its skin, built in this running process: %.2f MiB of private bytes, %.2f MiB with a "
      "glow up\n",
      MiB(shown_bytes - before), MiB(hovered - before));
  std::printf("the skin engine's share at most (the form's other parts included): %.2f MiB (goal: at most %.0f)\n",
              MiB(hovered - before), kSkinShareGoalMiB);
  std::printf("where the skin engine's memory goes:\n");
  std::printf(
      "  the loaded skin: bitmaps %.2f MiB (master bitmap and images), tables %.2f MiB, stored package %.2f MiB\n",
      MiB(skin_bitmaps), MiB(tables), MiB(package));
  std::printf("  cache pictures: the form's frame %.2f MiB, the controls %.2f MiB\n", MiB(form_cache),
              MiB(controls_cache));
  std::printf("  the glow window around the hovered button: %.2f MiB (and the window system's copy of it)\n",
              MiB(glow));
  std::printf("  counted: %.2f MiB; the rest is the window system's pictures of the windows, fonts and heap\n",
              MiB(skin_bitmaps + tables + package + form_cache + controls_cache + glow));
  std::printf("  (not the skin's: the banner picture %.2f MiB)\n", MiB(banner));
  vorlan::skin::DestroyAllGlows();
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_working_set PROGRAM [FILM_NUMBER]\n");
    return 2;
  }
  if (const std::string problem = bench::StandInsProblem(); !problem.empty()) {
    std::fprintf(stderr, "bench_working_set: %s\n", problem.c_str());
    return 1;
  }
  const std::wstring number = argc >= 3 ? argv[2] : L"306084";

  bench::ChildProgram bare(Quoted(SelfDirectory() + L"bench_bare_window.exe"));
  const HWND bare_window = bench::WaitUntilPainted(bare, bench::kBareWindowClass);
  const std::uint64_t bare_bytes = bare_window ? SettledPrivateBytes(bare) : 0;
  bare.End(bare_window);

  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);  // the result pages go there
  const std::wstring page = std::wstring(temp) + L"vorlantv.html";
  DeleteFileW(page.c_str());
  bench::ChildProgram program(Quoted(argv[1]), temp);
  const HWND form = bench::WaitUntilPainted(program, kFormClass);
  if (bare_window == nullptr || form == nullptr) {
    std::fprintf(stderr, "bench_working_set: a window did not appear\n");
    return 1;
  }
  const std::uint64_t started = SettledPrivateBytes(program);
  const bool looked_up = RunLookups(form, number, kLookups);
  const std::uint64_t after = SettledPrivateBytes(program);
  program.End(form);
  if (!looked_up || GetFileAttributesW(page.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::fprintf(stderr, "bench_working_set: the lookups did not run\n");
    return 1;
  }
  std::printf("private bytes, read from outside\n");
  std::printf("  bare Win32 window:              %7.2f MiB\n", MiB(bare_bytes));
  std::printf("  VorlanTV after start:           %7.2f MiB  (%.2f MiB above the bare window)\n", MiB(started),
              MiB(started - bare_bytes));
  std::printf("  VorlanTV after %d lookups:     %7.2f MiB  (%.2f MiB above the bare window)\n", kLookups, MiB(after),
              MiB(after - bare_bytes));
  std::printf("(the difference holds the whole program, its code as Wine loads it included)\n");
  return ShowInside();
}
