#include "skin/controls/control_seams.h"

namespace vorlan::skin {

void UpdateGlow(TSkinCommonData& /*data*/, bool /*show*/, bool /*animated*/) {}
void PaintOuterEffect(TSkinCommonData& /*data*/, TSkBgRequest& /*request*/) {}
void HookControlPopupMenu(TSkinCommonData& /*data*/, TSkinManager& /*manager*/) {}
void AttachStandardAdapters(HWND /*parent*/, HWND /*child*/) {}

}  // namespace vorlan::skin
