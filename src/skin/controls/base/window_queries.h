#pragma once

#include <windows.h>

#include <string>

#include "ui/types.h"
#include "ui/win_control.h"

// Small questions about windows and controls that the skin asks often.
namespace vorlan::skin {

// SetWindowPos flags that only make the system take a window's frame again.
inline constexpr UINT kFrameChangedFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

// The class of the system's popup menu windows.
inline constexpr wchar_t kPopupMenuClass[] = L"#32768";

// The last ancestor reached by GetParent; the window itself when it has none.
HWND TopLevelWindow(HWND window);

// The client rectangle in whole-window coordinates (empty without window).
RECT ClientRectInWindow(HWND window);

// The window's class name, at most 128 characters.
std::u16string WindowClassName(HWND window);

// Heights (top and bottom alignment) or widths (left and right) of the
// visible children with that alignment, added up; windowless children only
// when asked for.
int SumAlignedSizes(const ui::TWinControl& container, ui::TAlign alignment, bool includeWindowless);

// Moves the control in its parent's child order to just after the sibling.
void MoveAfterSibling(ui::TControl& control, const ui::TControl& sibling);

// The cursor lies in the control's client rectangle.
bool CursorInClient(const ui::TControl& control);

}  // namespace vorlan::skin
