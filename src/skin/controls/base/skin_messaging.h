#pragma once

#include <windows.h>

#include <cstdint>

#include "paint/colors.h"
#include "skin/data/skin_commands.h"
#include "ui/control.h"

// Sending skin commands to windows and to controls that may have none, and
// the background-colour questions built on them.
namespace vorlan::skin {

using paint::TColor;

// The system button-face colour in the form the skin's answers use.
inline constexpr TColor kBtnFaceColor = static_cast<TColor>(0xFF00000Fu);

// SendMessage(window, skin command, command in the high word and lowWord in
// the low word, lparam); 0 without a window.
LRESULT SendSkinCommand(HWND window, TSkinCommand command, LPARAM lparam = 0, std::uint16_t lowWord = 0);

// A windowless control gets the command straight through its message chain;
// a windowed one through its window, and answers 0 while it is being
// destroyed or has no window. 0 without a control.
LRESULT SendSkinCommandTo(ui::TControl* control, TSkinCommand command, LPARAM lparam = 0, std::uint16_t lowWord = 0);

// The command straight through the control's message chain, whether it has a
// window yet or not (the skin data asks its own control while the window may
// still be missing); 0 while the control is being destroyed.
LRESULT PerformSkinCommand(ui::TControl& control, TSkinCommand command, LPARAM lparam = 0, std::uint16_t lowWord = 0);

// PerformSkinCommand to every child control of a windowed control (only the
// windowed children with windowedOnly).
void PerformSkinCommandOnChildren(ui::TControl& control, TSkinCommand command, LPARAM lparam = 0,
                                  std::uint16_t lowWord = 0, bool windowedOnly = false);

// The typed forms of the above: command C with its payload, its answer.
template <TSkinCommand C>
TAnswerOf<C> Send(HWND window, TPayloadOf<C> payload = {}, std::uint16_t lowWord = 0) {
  return AnswerOf<C>(SendSkinCommand(window, C, PayloadWord<C>(payload), lowWord));
}
template <TSkinCommand C>
TAnswerOf<C> Send(ui::TControl* control, TPayloadOf<C> payload = {}, std::uint16_t lowWord = 0) {
  return AnswerOf<C>(SendSkinCommandTo(control, C, PayloadWord<C>(payload), lowWord));
}
template <TSkinCommand C>
TAnswerOf<C> Perform(ui::TControl& control, TPayloadOf<C> payload = {}, std::uint16_t lowWord = 0) {
  return AnswerOf<C>(PerformSkinCommand(control, C, PayloadWord<C>(payload), lowWord));
}
template <TSkinCommand C>
void PerformOnChildren(ui::TControl& control, TPayloadOf<C> payload = {}, std::uint16_t lowWord = 0,
                       bool windowedOnly = false) {
  PerformSkinCommandOnChildren(control, C, PayloadWord<C>(payload), lowWord, windowedOnly);
}

// The window answered the command with exactly 1.
bool IsSkinCommandTrue(HWND window, TSkinCommand command);
// The same for a control (windowless ones through their chain).
bool IsSkinCommandTrue(ui::TControl* control, TSkinCommand command);

// The colour a control shows to its children: a skinned control's answer to
// scGetBgColor, else its Color; resolved. The key colour without a control.
TColor ParentColor(ui::TControl* control);

// A window's answer to scGetBgColor, resolved; the key colour without a window.
TColor WindowBgColor(HWND window);

}  // namespace vorlan::skin
