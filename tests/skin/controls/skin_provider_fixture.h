#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "live_handles.h"
#include "paint/bitmap32.h"
#include "skin/controls/provider/skin_provider.h"
#include "skin/data/skin_manager.h"
#include "skin/internal/internal_skin.h"
#include "ui/form.h"

namespace vorlan::skin::test {

// A form shaped like the program's window: sizeable style fixed at 282 × 280
// by its constraints, close button only, a provider with every default.
// `passed` records what the provider passes on to the form's own handling;
// `onPassed` sees each such message while it is passed on.
class ProviderFixture {
 public:
  explicit ProviderFixture(bool skinActive = true, std::u16string_view section = u"FORM", bool allIcons = false) {
    manager_ = std::make_unique<TSkinManager>();
    manager_->BeginLoading();
    manager_->InternalSkins.Add(MakeInternalSkin());
    manager_->SetSkinName(kInternalSkinName);
    manager_->Loaded();
    if (!skinActive) manager_->SetActive(false);
    form_ = ui::MakeOwned<ui::TForm>();
    form_->BeginLoading();
    form_->SetCaption(u"VorlanTV клиент");
    form_->SetBorderIcons(allIcons, allIcons);
    form_->SetConstraints({282, 280, 282, 280});
    form_->SetClientSize(266, 242);
    form_->HandleNeeded();
    recorder_ = form_->WindowProc().Add([this](ui::TMessage& m, const ui::TPassOn& pass_on) {
      passed.push_back(m);
      if (onPassed) onPassed(m);
      pass_on(m);
    });
    provider_ = &form_->Add<TSkinProvider>(*form_);
    provider_->SkinData().SetSkinSection(section);
    form_->EndLoading();
  }
  ~ProviderFixture() {
    recorder_.Unlink();
    form_.reset();
    manager_.reset();
  }

  ui::TForm& Form() { return *form_; }
  HWND Window() { return form_->Handle(); }
  TSkinProvider& Provider() { return *provider_; }
  TSkinManager& Manager() { return *manager_; }
  const paint::TBitmap32* Cache() { return provider_->SkinData().FCacheBmp.get(); }

  // Messages of one kind the provider passed on.
  std::vector<ui::TMessage> Passed(UINT msg) const {
    std::vector<ui::TMessage> out;
    for (const ui::TMessage& m : passed)
      if (m.Msg == msg) out.push_back(m);
    return out;
  }

  std::vector<ui::TMessage> passed;
  std::function<void(const ui::TMessage&)> onPassed;

 private:
  std::unique_ptr<TSkinManager> manager_;
  ui::TOwned<ui::TForm> form_;
  ui::TChainLink recorder_;
  TSkinProvider* provider_ = nullptr;
};

// Pixel word without its alpha byte, as 0xRRGGBB.
inline std::uint32_t Rgb(std::uint32_t word) { return word & 0x00FFFFFFu; }
// A skin colour (0x00BBGGRR) as a pixel's 0xRRGGBB.
inline std::uint32_t ColorRgb(paint::TColor color) { return paint::ColorToPixel(color) & 0x00FFFFFFu; }

}  // namespace vorlan::skin::test
