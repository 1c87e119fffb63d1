#include "paint/bitmap_gdi_win.h"
#include "platform/handle_win.h"
#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/data/skin_manager.h"
#include "skin/draw/border_geometry.h"
#include "skin/draw/image_entry.h"
#include "ui/win_control.h"

namespace vorlan::skin {
namespace {

// One background answer of one control.
class TBgAnswer {
 public:
  TBgAnswer(TSkinCommonData& data, TSkBgRequest& request) : data_(data), q_(request) {}

  void Answer(std::int32_t state);

 private:
  void AnswerColor(TColor color) {
    q_.BgType = btColor;
    q_.Color = color;
    FillDc(color);
  }
  void FillDc(TColor color) const {
    if (!q_.PleaseDraw || q_.DC == nullptr) return;
    const platform::UniqueBrush brush(CreateSolidBrush(paint::ToColorRef(color)));
    FillRect(q_.DC, &q_.R, brush.get());
  }
  void CopyCacheToAsker() const {
    if (q_.DC == nullptr || !data_.FCacheBmp) return;
    const RECT& r = q_.R;
    paint::ShowBitmap(q_.DC, {r.left, r.top}, *data_.FCacheBmp,
                      paint::MakeRect(q_.Offset.x, q_.Offset.y, r.right - r.left, r.bottom - r.top));
  }
  // The control paints its cache now if it must (command 23 to itself).
  void Prepare() {
    if (data_.BGChanged && data_.Target() != nullptr) PerformSkinCommand(*data_.Target(), scPrepareCache);
  }
  void AnswerCache() {
    q_.BgType = btCache;
    if (q_.PleaseDraw) {
      CopyCacheToAsker();
    } else {
      q_.Bmp = data_.FCacheBmp.get();
      q_.Offset = POINT{};
    }
  }
  void AnswerWhenPleaseDraw(std::int32_t state);
  void PassToParent();
  void AnswerTransparent();
  void AnswerTranslucent();
  void AnswerOpaque(std::int32_t state, const TSkinGeneralData& section);

  TSkinCommonData& data_;
  TSkBgRequest& q_;
};

void TBgAnswer::Answer(std::int32_t state) {
  const ui::TControl* target = data_.Target();
  // Asked to draw, a skinned control draws its picture, its own colour or not.
  if (q_.PleaseDraw && data_.Skinned()) {
    AnswerWhenPleaseDraw(state);
    return;
  }
  if (!data_.Skinned() || data_.FCustomColor) {
    AnswerColor(target ? paint::ResolveColor(target->Color()) : ui::clBtnFace);
    return;
  }
  const TSkinGeneralData& section = *data_.Section();
  const TSkinGenState& props = *data_.StateProps(state);
  if (props.Transparency >= 100) {
    AnswerTransparent();
  } else if (props.Transparency > 0) {
    AnswerTranslucent();
  } else {
    AnswerOpaque(state, section);
  }
}

void TBgAnswer::AnswerWhenPleaseDraw(std::int32_t state) {
  UpdateCtrlSkinState(data_);
  if (!data_.NeedsCache()) {
    AnswerColor(BgColor(data_, state));
    return;
  }
  Prepare();
  if (!data_.CacheValid()) {
    q_.BgType = btForbidden;
    return;
  }
  CopyCacheToAsker();
  q_.BgType = btCache;
}

// A control that shows only its parent hands the question on and moves the
// answer by its own place in that parent.
void TBgAnswer::PassToParent() {
  ui::TControl* control = data_.FOwnerControl;
  const HWND window = data_.OwnerHandle();
  if (!RequestBackgroundBehind(q_, control, window)) {
    const TSkinManager* manager = data_.SkinManager();
    AnswerColor(manager ? manager->GetGlobalColor() : ui::clBtnFace);
    return;
  }
  POINT position{};
  if (control != nullptr && control->Parent() != nullptr) {
    position = POINT{control->Left(), control->Top()};
  } else {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
    position = POINT{bounds.left, bounds.top};
  }
  if (q_.Bmp != nullptr) {
    q_.Offset.x += position.x;
    q_.Offset.y += position.y;
    q_.FillR.left -= position.x;
    q_.FillR.top -= position.y;
  }
}

void TBgAnswer::AnswerTransparent() {
  if ((data_.CtrlSkinState & kCtrlPlainBackground) != 0 || !data_.FCacheBmp) {
    PassToParent();
    return;
  }
  Prepare();
  if (data_.BGChanged) {
    AnswerColor(BgColor(data_, 0));
    q_.Offset = POINT{};
    return;
  }
  AnswerCache();
}

void TBgAnswer::AnswerTranslucent() {
  if (!data_.FCacheBmp) {
    AnswerColor(paint::kKeyColor);
    return;
  }
  // Only a picture that does not exist yet holds the children back; a stale
  // one is answered as it is.
  if (data_.FCacheBmp->Empty()) {
    Prepare();
    if (data_.FCacheBmp->Empty()) {
      data_.FUpdating = true;
      q_.BgType = btForbidden;
      return;
    }
  }
  AnswerCache();
}

void TBgAnswer::AnswerOpaque(std::int32_t state, const TSkinGeneralData& section) {
  const TSkinGenState& props = *data_.StateProps(state);
  const bool noCorners = section.ImgTL < 0 && section.ImgTR < 0 && section.ImgBL < 0 && section.ImgBR < 0;
  const TSkinManager* manager = data_.SkinManager();
  if (props.GradientPercent < 1 && props.ImagePercent < 1 && noCorners &&
      data_.FOuterEffects.Visibility == TSkOuterVisibility::ovNone) {
    AnswerColor(BgColor(data_, state));
    const TImageEntry border = SkinImage(manager->Skin, data_.BorderIndex);
    if (border && (border.M().DrawMode & kBorderNotInState0) == 0) {
      // The border strips come from the cache, so it must hold the picture.
      Prepare();
      if (data_.CacheValid()) {
        const TSkinMaskData& m = border.M();
        q_.FillR = RECT{m.WL, m.WT, m.WR, m.WB};
        q_.Bmp = data_.FCacheBmp.get();
        q_.Offset = POINT{};
      }
    }
    return;
  }
  q_.Color = manager->GetGlobalColor();
  const ui::TControl* target = data_.Target();
  const bool fits =
      target != nullptr && CacheFits(data_, target->Width(), target->Height()) && !data_.FCacheBmp->Empty();
  if (!fits) {
    data_.BGChanged = true;
    data_.FCacheBmp = std::make_unique<paint::TBitmap32>();
  }
  Prepare();
  if (!data_.CacheValid()) {
    q_.BgType = btForbidden;
    return;
  }
  AnswerCache();
}

}  // namespace

void AnswerBgRequest(TSkinCommonData& data, TSkBgRequest& request, std::int32_t state) {
  TBgAnswer(data, request).Answer(state);
}

paint::TCacheInfo ParentCacheInfo(TSkinCommonData& data) {
  return ReadyParentCacheInfo(data).value_or(paint::TCacheInfo{});
}

std::optional<paint::TCacheInfo> ReadyParentCacheInfo(TSkinCommonData& data) {
  paint::TCacheInfo info;
  if (!data.Skinned()) {
    const ui::TControl* target = data.Target();
    info.FillColor = target ? paint::ResolveColor(target->Color()) : paint::kKeyColor;
    info.X = info.Y = 0;
    return info;
  }
  TSkBgRequest request;
  if (!RequestBackgroundBehind(request, data.FOwnerControl, data.OwnerHandle())) return info;
  if (request.BgType == btForbidden) return std::nullopt;
  return BgRequestToCacheInfo(request);
}

}  // namespace vorlan::skin
