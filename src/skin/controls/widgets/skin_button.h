#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "paint/disabled_look.h"
#include "platform/handle_win.h"
#include "skin/controls/core/common_data.h"
#include "skin/controls/core/skinned_control.h"
#include "ui/button.h"

namespace vorlan::skin {

enum class TButtonStyle { bsPushButton, bsCommandLink, bsSplitButton };

// Members of the set of state changes that may fade.
enum TSkinAnimatEvent : std::uint8_t {
  aeMouseEnter = 1,
  aeMouseLeave = 2,
  aeMouseDown = 4,
  aeMouseUp = 8,
  aeGlobalDef = 16  // the manager's button effect events decide
};
using TSkinAnimatEvents = std::uint8_t;

// The button states CurrentState answers.
inline constexpr std::int32_t kButtonNormal = 0;
inline constexpr std::int32_t kButtonHot = 1;
inline constexpr std::int32_t kButtonPressed = 2;
inline constexpr std::int32_t kButtonDefault = 3;

// The system's push button with its whole picture painted from the skin
// (section "BUTTON" unless SkinData names another). The platform's button
// keeps every click: mouse, Space and Enter; the skin only follows the pushed
// state it reports. Without a skin it draws a standard push button.
class TSkinButton : public TSkinnedControl<ui::TButton> {
 public:
  TSkinButton();
  ~TSkinButton() override;
  std::u16string_view ClassName() const override { return u"TSkinButton"; }

  // ---- published ----
  ui::TNotifyEvent OnMouseEnter;
  ui::TNotifyEvent OnMouseLeave;
  bool Down() const { return FDown; }
  void SetDown(bool value);
  bool ShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool value);
  bool Reflected() const { return FReflected; }
  void SetReflected(bool value) { FReflected = value; }
  std::int32_t FocusMargin() const { return FFocusMargin; }
  void SetFocusMargin(std::int32_t value);
  std::int32_t ContentMargin() const { return FContentMargin; }
  void SetContentMargin(std::int32_t value);
  TButtonStyle Style() const { return FStyle; }
  void SetStyle(TButtonStyle value);
  paint::TSkinDisabledKinds DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(paint::TSkinDisabledKinds value);
  TSkinAnimatEvents AnimatEvents() const { return FAnimatEvents; }
  void SetAnimatEvents(TSkinAnimatEvents value) { FAnimatEvents = value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);

  // 0 normal, 1 hot, 2 pressed, 3 default.
  std::int32_t CurrentState() const;
  // The platform's default-button look; stored, the picture is redone.
  void SetButtonStyle(bool isDefault);

  // The caption's measured size and its rectangle in the button.
  SIZE TextRectSize() const;
  RECT CaptionRect() const;
  // Paints the whole button into the cache; false when the parent makes it
  // wait.
  bool PrepareCache();

  void SetParent(ui::TWinControl* parent) override;

 protected:
  void DefaultChanged() override;
  void CreateParams(ui::TCreateParams& params) override;
  void WndProc(ui::TMessage& message) override;

 private:
  bool OwnSkinCommand(ui::TMessage& message);
  bool BeforeFramework(ui::TMessage& message);
  void AfterFramework(const ui::TMessage& message);
  void UnskinnedMessage(ui::TMessage& message);
  void MouseDownLeft();
  void MouseUpLeft();
  void PushedStateChanging(ui::TMessage& message);
  // A state change: a fade to the picture of `target` when the event may
  // animate, else the picture is redone at once; the glow follows.
  void ChangeState(std::int32_t target, bool withGlow, TSkinAnimatEvent event);
  bool EventAnimated(TSkinAnimatEvent event) const;
  void Repaint();
  bool Destroying() const { return IsDestroying(); }

  void PaintHandler(HDC dc, bool printing);
  void ApplyRegion();
  void DrawCaption(HDC dc, std::int32_t state);
  void DrawFocusMark(std::int32_t state);
  void PaintUnskinned(HDC dc);
  std::int32_t PaintedState() const;

 public:
  // ---- fields, in the order the skin's code expects them ----
  bool FDown = false;
  bool FShowFocus = true;
  bool FMouseClicked = false;
  bool RegionChanged = true;
  bool FReflected = false;
  std::int32_t FFocusMargin = 1;
  std::int32_t FContentMargin = 6;
  RECT LastRect{};
  TButtonStyle FStyle = TButtonStyle::bsPushButton;
  paint::TSkinDisabledKinds FDisabledKind = paint::dkBlended;
  TSkinAnimatEvents FAnimatEvents = aeGlobalDef;
  bool IsFocused = false;
  bool DroppedDown = false;
  // The region for the next paint; FRegionRedraw asks that applying it
  // redraws (the first region, and the first after a skin change).
  platform::UniqueRegion FRegion;
  bool FRegionRedraw = true;

 private:
  bool FWordWrap = true;
  bool forced_pressed_ = false;     // the release paints the pressed look once more
  bool releasing_ = false;          // the platform's pushed state is about to end
  std::int32_t region_state_ = -1;  // the state whose corners the region follows
};

}  // namespace vorlan::skin
