#include "skin/controls/base/skin_flags.h"

namespace vorlan::skin {

namespace flags_detail {
bool& AnimationFlag() {
  static bool flag = false;
  return flag;
}
bool& ChildPaintingFlag() {
  static bool flag = false;
  return flag;
}
}  // namespace flags_detail

bool AnimationInProgress() { return flags_detail::AnimationFlag(); }
void SetAnimationInProgress(bool value) { flags_detail::AnimationFlag() = value; }
bool PaintingGraphicChildren() { return flags_detail::ChildPaintingFlag(); }

}  // namespace vorlan::skin
