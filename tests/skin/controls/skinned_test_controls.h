#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "paint/bitmap32.h"
#include "paint/geometry.h"
#include "platform/handle_win.h"
#include "skin/controls/core/bg_request.h"
#include "skin/controls/core/common_data.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/core/common_handlers.h"
#include "skin/controls/core/control_paint.h"
#include "skin/controls/core/copy_cache.h"
#include "skin/data/class_codes.h"
#include "skin/data/skin_manager.h"
#include "ui/form.h"
#include "ui/win_control.h"

// A skin made in the test, held by the default manager, and small skinned
// controls that use the common handling the way the real control classes do.
namespace vorlan::skin::test {

// The pixel word of an opaque colour 0x00BBGGRR.
constexpr std::uint32_t Opaque(TColor c) {
  const auto v = static_cast<std::uint32_t>(c);
  return 0xFF000000u | (v & 0xFF) << 16 | (v & 0xFF00) | (v >> 16 & 0xFF);
}

class TestSkin {
 public:
  TestSkin() {
    manager.Skin.MasterBitmap = std::make_shared<paint::TBitmap32>(64, 64, paint::TRowOrder::TopDown);
    // Every master pixel different, so that a copy from the wrong place shows.
    for (std::int32_t y = 0; y < 64; ++y) {
      for (std::int32_t x = 0; x < 64; ++x) Master().Row(y)[x] = 0xFF000000u | (x * 4) << 16 | (y * 4) << 8 | 0x30;
    }
    manager.Skin.CommonSkinData.Active = true;
    manager.Skin.Palette[pcMainColor] = kGlobalColor;
  }
  static constexpr TColor kGlobalColor = 0x00123456;

  paint::TBitmap32& Master() { return *manager.Skin.MasterBitmap; }

  std::int32_t Section(std::u16string name, TColor colour, std::int32_t transparency = 0, std::int32_t states = 3) {
    TSkinGeneralData s;
    s.ClassName = std::move(name);
    s.States = states;
    for (TSkinGenState& p : s.Props) {
      p.Color = colour;
      p.Transparency = transparency;
    }
    manager.Skin.gd.push_back(s);
    return static_cast<std::int32_t>(manager.Skin.gd.size() - 1);
  }
  TSkinGeneralData& At(std::int32_t index) { return manager.Skin.gd[static_cast<std::size_t>(index)]; }

  // An image over r of the master bitmap; its mask index.
  std::int32_t Image(const paint::TRect& r, TSkImgType type, std::int16_t drawMode = 0) {
    TSkinMaskData m;
    m.R = r;
    m.ImageCount = 1;
    m.ImgType = type;
    m.DrawMode = drawMode;
    manager.Skin.ma.push_back(m);
    return static_cast<std::int32_t>(manager.Skin.ma.size() - 1);
  }
  // A tiled texture over the whole of state 0..2 of a section.
  void Texture(std::int32_t section, const paint::TRect& r) {
    const std::int32_t image = Image(r, itTexture);
    for (TSkinGenState& p : At(section).Props) {
      p.TextureIndex = image;
      p.ImagePercent = 100;
    }
  }
  // A nine-slice border of width w on every side, its centre left alone.
  std::int32_t Border(std::int32_t section, const paint::TRect& r, std::int16_t w, std::int16_t drawMode = 0) {
    const std::int32_t image = Image(r, itBorder, drawMode);
    TSkinMaskData& m = manager.Skin.ma[static_cast<std::size_t>(image)];
    m.WL = m.WT = m.WR = m.WB = w;
    At(section).BorderIndex = image;
    return image;
  }

  TSkinManager manager;  // the default manager: made first in each test
};

// A borderless top-level window, so that its client area is its whole window.
class TPopupForm : public ui::TForm {
 protected:
  void CreateParams(ui::TCreateParams& params) override {
    ui::TForm::CreateParams(params);
    params.Style = WS_POPUP | WS_CLIPCHILDREN;
    params.ExStyle = WS_EX_TOOLWINDOW;
  }
};

// A control of class Base skinned with the common handling: it answers
// command 23 by painting its cache over its parent's background, and shows
// the cache when it paints.
template <class Base>
class Skinned : public Base {
 public:
  explicit Skinned(std::u16string section, std::int32_t coc = 0, bool withCache = true) {
    if constexpr (std::is_base_of_v<ui::TForm, Base>) {
      data_ = std::make_unique<TSkinCtrlSkinData>(static_cast<ui::TForm&>(*this), withCache);
    } else {
      data_ = std::make_unique<TSkinCtrlSkinData>(this, withCache);
    }
    data_->COC = coc;
    data_->FSkinSection = std::move(section);
    link_ = HookSkinHandlers(*this, *data_, [this](ui::TMessage& m) { return OwnCommand(m); });
  }

  TSkinCtrlSkinData& Data() { return *data_; }
  const paint::TBitmap32& Cache() const { return *data_->FCacheBmp; }
  std::vector<WPARAM> Commands;  // every skin command the control's chain saw
  int Painted = 0;               // cache paintings that went through

 protected:
  void Paint(HDC dc) override {
    if (data_->BGChanged) PaintCache();
    const RECT all{0, 0, Base::Width(), Base::Height()};
    CopyCacheToDC(dynamic_cast<ui::TWinControl*>(this), *data_, all, 0, 0, false, dc, all);
  }

 private:
  bool OwnCommand(ui::TMessage& m) {
    Commands.push_back(m.WParam);
    if (HIWORD(m.WParam) != scPrepareCache) return false;
    PaintCache();
    return true;
  }
  void PaintCache() {
    TSkinCommonData& d = *data_;
    if (!d.Skinned()) return;
    PrepareCacheBmp(d);
    if (d.FCacheBmp->Empty()) return;
    const paint::TPoint at = Base::Parent() ? paint::TPoint{Base::Left(), Base::Top()} : paint::TPoint{};
    if (PaintControlSkinFromParent(d, *this, CurrentState(d), d.FCacheBmp->Bounds(), at, *d.FCacheBmp, true)) {
      ++Painted;
      d.BGChanged = false;
    }
  }

  std::unique_ptr<TSkinCtrlSkinData> data_;
  ui::TChainLink link_;  // after data_: unlinked before the data goes
};

}  // namespace vorlan::skin::test
