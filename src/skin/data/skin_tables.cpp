#include "skin/data/skin_tables.h"

namespace vorlan::skin {

std::int32_t FrameWidth(const TSkinMaskData& mask) {
  if (mask.ImageCount == 0) return 0;
  if (mask.ImageCount == 1) return mask.R.Width();
  return mask.R.Width() / mask.ImageCount;
}

std::int32_t FrameHeight(const TSkinMaskData& mask) {
  switch (mask.MaskType) {
    case -1:
      return 0;
    case 0:
      return mask.R.Height();
    case 1:
      return mask.R.Height() / 2;
    default:
      return mask.R.Height() / (mask.MaskType + 1);
  }
}

std::string_view PaletteColorName(int index) {
  static constexpr std::string_view kNames[kPaletteSize] = {"pcMainColor",
                                                            "pcLabelText",
                                                            "pcWebText",
                                                            "pcWebTextHot",
                                                            "pcEditText",
                                                            "pcEditBG",
                                                            "pcSelectionBG",
                                                            "pcSelectionText",
                                                            "pcSelectionBG_Focused",
                                                            "pcSelectionText_Focused",
                                                            "pcEditBG_Inverted",
                                                            "pcEditText_Inverted",
                                                            "pcEditBG_OddRow",
                                                            "pcEditBG_EvenRow",
                                                            "pcEditText_Ok",
                                                            "pcEditText_Warning",
                                                            "pcEditText_Alert",
                                                            "pcEditText_Caution",
                                                            "pcEditText_Bypassed",
                                                            "pcEditBG_Ok",
                                                            "pcEditBG_Warning",
                                                            "pcEditBG_Alert",
                                                            "pcEditBG_Caution",
                                                            "pcEditBG_Bypassed",
                                                            "pcEditText_Highlight1",
                                                            "pcEditText_Highlight2",
                                                            "pcEditText_Highlight3",
                                                            "pcBorder"};
  if (index < 0 || index >= kPaletteSize) return {};
  return kNames[index];
}

}  // namespace vorlan::skin
