#pragma once

// Process-wide flags of the skin's painting, plain variables of the UI thread.
namespace vorlan::skin {

// Set while a window's show or hide effect is built or played; children are
// not repainted meanwhile.
bool AnimationInProgress();
void SetAnimationInProgress(bool value);

// Set while PaintGraphicChildren paints; it does nothing meanwhile.
bool PaintingGraphicChildren();

// Sets a flag for its lifetime and puts back what it held.
class TFlagScope {
 public:
  explicit TFlagScope(bool& flag) noexcept : flag_(flag), old_(flag) { flag_ = true; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;
  ~TFlagScope() { flag_ = old_; }

 private:
  bool& flag_;
  bool old_;
};

namespace flags_detail {
bool& AnimationFlag();
bool& ChildPaintingFlag();
}  // namespace flags_detail

}  // namespace vorlan::skin
