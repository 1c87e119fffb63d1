#include "skin/controls/core/font_owner.h"

#include "skin/controls/base/skin_messaging.h"

namespace vorlan::skin {

std::int32_t AskFontOwner(ui::TControl& control) {
  TFontOwnerQuery query;
  query.R = control.BoundsRect();
  const LRESULT answered = Send<scGetFontOwner>(&control, &query);
  return answered == 1 ? query.SkinIndex : -1;
}

}  // namespace vorlan::skin
