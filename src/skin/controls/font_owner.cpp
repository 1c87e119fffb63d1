#include "skin/controls/font_owner.h"

#include "skin/controls/skin_messaging.h"

namespace vorlan::skin {

std::int32_t AskFontOwner(ui::TControl& control) {
  TFontOwnerQuery query;
  query.R = control.BoundsRect();
  const LRESULT answered = SendSkinCommandTo(&control, scGetFontOwner, reinterpret_cast<LPARAM>(&query));
  return answered == 1 ? query.SkinIndex : -1;
}

}  // namespace vorlan::skin
