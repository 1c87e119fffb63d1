#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "skin/controls/core/common_data.h"
#include "ui/control.h"
#include "ui/window_subclass.h"

// Adapters: objects that skin a window of another class (a framework push
// button, a platform list box) by putting their own handler in front of the
// window's procedure, keeping a skin data object for it and painting it from
// a skin section, while the window keeps its class and behaviour.
namespace vorlan::skin {

class TSkinManager;

// The window property that leads from an adapted window to its adapter.
inline constexpr wchar_t kAdapterProperty[] = L"ACSBSC";

// What a new adapter is given.
struct TSkinParams {
  std::u16string SkinSection;  // empty: the adapter class's own section
  bool UseSkinFontColor = true;
  bool UseSkinColor = true;
  std::int32_t VertScrollSize = -1;  // -1: from the skin or the platform
  std::int32_t HorzScrollSize = -1;
  std::int32_t VertScrollBtnSize = -1;
  std::int32_t HorzScrollBtnSize = -1;
  ui::TControl* Control = nullptr;  // the framework control of the window, if any; borrowed
};

// The base of every adapter. Create with MakeAdapter: the handler goes in
// once the object is whole. The handler leaves when the window is destroyed
// (the window's own handling of the destroy message still runs) or when the
// adapter is freed; another layer put in front of it later keeps working.
class TSkMainWnd {
 public:
  TSkMainWnd(HWND window, const TSkinParams& params, TSkinManager* manager, TSkinCommonData* data = nullptr);
  virtual ~TSkMainWnd();
  TSkMainWnd(const TSkMainWnd&) = delete;
  TSkMainWnd& operator=(const TSkMainWnd&) = delete;

  // The adapter of a window, none when it has none.
  static TSkMainWnd* Of(HWND window);

  HWND CtrlHandle() const { return FCtrlHandle; }
  TSkinCommonData& SkinData() const { return *FSkinData; }
  TSkinManager* SkinManager() const { return FSkinManager; }
  ui::TControl* Control() const { return FControl; }
  // The adapter has left its window (destroyed or uninstalled).
  bool Destroyed() const { return FDestroyed; }
  const std::u16string& Caption() const { return FCaption; }
  bool Installed() const { return FLayer.Attached(); }

  // Takes the handler out and gives the window its own look back.
  void Uninstall();

  // The previous procedure's answer to a message; only while a message of
  // this window is being handled (else 0). An exception inside gives 0.
  LRESULT CallPrevWndProc(ui::TMessage& message);

  template <class T, class... Args>
  friend std::unique_ptr<T> MakeAdapter(Args&&... args);

 protected:
  // ---- per class ----
  virtual void AfterCreation() { FSkinData->Loading = false; }
  virtual void SaveStdParams() {}
  virtual void RestoreStdParams() {}
  // The control's colours follow the skin (on each skin change).
  virtual void SetSkinParams() {}
  virtual std::unique_ptr<TSkinCommonData> InitSkinData();
  // The class's section when the params name none.
  virtual std::u16string_view DefaultSection() const { return {}; }
  // Every message: the common part, then the class's own.
  virtual void skWndProc(ui::TMessage& message);
  // Paints the cache from the section; false when nothing could be painted.
  virtual bool PrepareCache();
  // The window's own picture changed (hot, pressed, skin): repaint it.
  virtual void Repaint();
  // The window has been destroyed and the adapter has left it: the last
  // call the adapter gets, after which its owner may free it.
  virtual void Released() {}

  // The state the window shows: 0 normal, 1 hot or focused.
  virtual std::int32_t PaintState() const;
  // The window's size and place in its parent's client area.
  RECT WindowBounds() const;
  bool Active() const;
  // The scroll-bar adapter of a form with a provider (it uses the provider's data).
  bool ForProviderForm() const { return !FOwnData && FSkinData->ProviderForm() != nullptr; }
  // The common part of every message; true = handled, the class adds nothing.
  bool CommonPart(ui::TMessage& message);
  const TSkinParams& Params() const { return FParams; }

  HWND FCtrlHandle = nullptr;
  TSkinManager* FSkinManager = nullptr;
  TSkinCommonData* FSkinData = nullptr;
  ui::TControl* FControl = nullptr;
  bool FDestroyed = false;
  std::u16string FCaption;
  bool DlgMode = false;
  bool ParamsChanged = false;
  bool DontRepaint = false;

 private:
  void Install();
  void Handle(ui::TMessage& message, const ui::TPassOn& passOn);
  bool SkinCommandPart(ui::TMessage& message);
  void RefreshCaption();

  std::unique_ptr<TSkinCommonData> FOwnData;
  ui::TWindowSubclass FLayer;
  const ui::TPassOn* FPassOn = nullptr;  // the previous procedure of the message under way
  TSkinParams FParams;
};

template <class T, class... Args>
std::unique_ptr<T> MakeAdapter(Args&&... args) {
  auto adapter = std::make_unique<T>(std::forward<Args>(args)...);
  adapter->Install();
  return adapter;
}

}  // namespace vorlan::skin
