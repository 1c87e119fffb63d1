// Pictures for the `make run` tour that a screenshot cannot give: the
// program's main form is built in this process, worked by its messages, and
// one picture is written as a PAM file (scripts/run-program turns it into a
// PNG):
//   vorlan-tour glow-layer button|edit FILE
//       the glow window's own 32-bit picture (straight alpha) once the glow
//       around the control has faded in; Xvfb shows layered windows opaque
//   vorlan-tour fade-half FILE
//       the button's own picture halfway through its fade to the hot look:
//       the animation timer is not left to run; its ticks are counted here
//       and the fade stops at the 5th of its 10 frames
// The program itself has no switch for either. Exit code 0 on success.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "paint/bitmap32.h"
#include "skin/controls/core/anim_timer.h"
#include "skin/controls/core/common_data.h"
#include "skin/controls/effects/glow.h"
#include "skin/controls/provider/window_system.h"
#include "skin/controls/widgets/skin_button.h"
#include "skin/controls/widgets/skin_edit.h"
#include "ui/application.h"

namespace {

using vorlan::paint::TBitmap32;

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    vorlan::ui::Application().ProcessMessages();
    Sleep(10);
  }
}

// RGBA rows; `alpha` false writes RGB. A layered window's picture is
// premultiplied: with `straight` its colours are divided by the alpha again.
bool WritePam(const std::wstring& path, const TBitmap32& picture, bool alpha, bool straight) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (file == nullptr) return false;
  std::fprintf(file, "P7\nWIDTH %d\nHEIGHT %d\nDEPTH %d\nMAXVAL 255\nTUPLTYPE %s\nENDHDR\n", picture.Width(),
               picture.Height(), alpha ? 4 : 3, alpha ? "RGB_ALPHA" : "RGB");
  for (std::int32_t y = 0; y < picture.Height(); ++y) {
    for (std::int32_t x = 0; x < picture.Width(); ++x) {
      const std::uint32_t p = picture.Pixel(x, y);
      const int a = static_cast<int>(p >> 24);
      int c[3] = {static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF), static_cast<int>(p & 0xFF)};
      if (alpha && straight) {
        for (int& v : c) v = a == 0 ? 0 : std::min(255, (v * 255 + a / 2) / a);
      }
      unsigned char bytes[4] = {static_cast<unsigned char>(c[0]), static_cast<unsigned char>(c[1]),
                                static_cast<unsigned char>(c[2]), static_cast<unsigned char>(a)};
      std::fwrite(bytes, 1, alpha ? 4 : 3, file);
    }
  }
  return std::fclose(file) == 0;
}

// The cursor onto the control's centre and the control told of the move, as
// the system would.
void MouseOver(vorlan::ui::TWinControl& control) {
  RECT r{};
  GetClientRect(control.Handle(), &r);
  POINT centre{r.right / 2, r.bottom / 2};
  POINT screen = centre;
  ClientToScreen(control.Handle(), &screen);
  SetCursorPos(screen.x, screen.y);
  SendMessageW(control.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
}

// Ticks the control's animation until it ends; how many ticks it took.
int TickToEnd(vorlan::skin::TSkinCommonData& data) {
  int ticks = 0;
  while (vorlan::skin::AnimationRunning(data) && ticks < 100) {
    data.AnimTimer->Tick();
    ++ticks;
  }
  return ticks;
}

int GlowLayer(vorlan::app::TMainForm& form, const std::wstring& which, const std::wstring& path) {
  vorlan::ui::TWinControl* control = nullptr;
  vorlan::skin::TSkinCommonData* data = nullptr;
  if (which == L"button") {
    control = form.SkinButton1;
    data = &form.SkinButton1->SkinData();
  } else if (which == L"edit") {
    control = form.SkinEdit1;
    data = &form.SkinEdit1->SkinData();
  } else {
    std::fprintf(stderr, "vorlan-tour: glow-layer takes button or edit\n");
    return 2;
  }
  MouseOver(*control);
  const int ticks = TickToEnd(*data);
  const vorlan::skin::TSkGlowEffect* glow = vorlan::skin::GlowEffect(data->GlowID);
  if (glow == nullptr || !glow->AlphaBmp) {
    std::fprintf(stderr, "vorlan-tour: no glow around the %ls\n", which.c_str());
    return 3;
  }
  RECT control_place{}, glow_place{};
  GetWindowRect(control->Handle(), &control_place);
  GetWindowRect(glow->Wnd.get(), &glow_place);
  std::printf("%ls: control %ld,%ld %ldx%ld; glow window %ld,%ld %ldx%ld, alpha %d after %d ticks\n", which.c_str(),
              control_place.left, control_place.top, control_place.right - control_place.left,
              control_place.bottom - control_place.top, glow_place.left, glow_place.top,
              glow_place.right - glow_place.left, glow_place.bottom - glow_place.top, glow->Alpha, ticks);
  return WritePam(path, *glow->AlphaBmp, true, true) ? 0 : 4;
}

int FadeHalf(vorlan::app::TMainForm& form, const std::wstring& path) {
  vorlan::skin::TSkinCommonData& data = form.SkinButton1->SkinData();
  if (form.SkinButton1->CurrentState() != vorlan::skin::kButtonNormal) {
    std::fprintf(stderr, "vorlan-tour: the button is not in its normal look before the hover\n");
    return 3;
  }
  // The fade's first frame runs at once when the mouse arrives; four ticks
  // more are its 5th frame of 10.
  MouseOver(*form.SkinButton1);
  vorlan::skin::TSkThreadedTimer* timer = data.AnimTimer.get();
  if (timer == nullptr || !vorlan::skin::AnimationRunning(data) || timer->ThreadType != vorlan::skin::kPictureFade) {
    std::fprintf(stderr, "vorlan-tour: the button did not start its fade\n");
    return 3;
  }
  for (int tick = 0; tick < 4; ++tick) timer->Tick();
  if (!timer->BmpOut || !timer->BmpFrom || !timer->BmpTo) return 3;
  const TBitmap32& out = *timer->BmpOut;
  const std::int32_t x = out.Width() / 2, y = out.Height() / 2;
  std::printf("fade: frame %d of %d, level %.2f; centre pixel from %06X to %06X, shown %06X\n", timer->Iteration,
              timer->Iterations, timer->Glow, timer->BmpFrom->Pixel(x, y) & 0xFFFFFF,
              timer->BmpTo->Pixel(x, y) & 0xFFFFFF, out.Pixel(x, y) & 0xFFFFFF);
  return WritePam(path, out, false, false) ? 0 : 4;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc >= 2 ? argv[1] : L"";
  if (!((command == L"glow-layer" && argc == 4) || (command == L"fade-half" && argc == 3))) {
    std::fprintf(stderr, "usage: vorlan-tour glow-layer button|edit FILE | fade-half FILE\n");
    return 1;
  }
  vorlan::ui::TApplication& application = vorlan::ui::Application();
  vorlan::app::SetUpApplication(application);
  const vorlan::skin::TSkinWindowSystemInstallation window_system;
  SetCursorPos(0, 0);  // nothing hot before the tour says so
  int result = 0;
  try {
    const auto form = vorlan::ui::MakeOwned<vorlan::app::TMainForm>();
    application.SetMainForm(form.get());
    form->Show();
    PumpFor(1500);  // shown and painted; no animation runs while the mouse is away
    // The shown form gives the button the focus, and a focused button is hot
    // already: the edit box takes it, as in the tour before the hover.
    SetForegroundWindow(form->Handle());
    SetFocus(form->SkinEdit1->Handle());
    PumpFor(300);
    result = command == L"fade-half" ? FadeHalf(*form, argv[2]) : GlowLayer(*form, argv[2], argv[3]);
    vorlan::skin::DestroyAllGlows();
    application.SetMainForm(nullptr);
  } catch (...) {
    application.HandleException(std::current_exception());
    return 5;
  }
  return result;
}
