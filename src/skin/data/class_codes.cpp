#include "skin/data/class_codes.h"

#include <bitset>
#include <initializer_list>
#include <utility>

namespace vorlan::skin {
namespace {

using TClassSet = std::bitset<256>;

// Members given as single codes and inclusive ranges.
TClassSet MakeSet(std::initializer_list<std::pair<int, int>> ranges) {
  TClassSet set;
  for (const auto& [first, last] : ranges) {
    for (int code = first; code <= last; ++code) set.set(static_cast<std::size_t>(code));
  }
  return set;
}

bool In(const TClassSet& set, std::int32_t coc) {
  return coc >= 0 && coc < 256 && set.test(static_cast<std::size_t>(coc));
}

const TClassSet& NoHover() {
  static const TClassSet set = MakeSet({{19, 19}, {51, 74}, {110, 110}, {141, 161}});
  return set;
}

const TClassSet& NoHotBackground() {
  static const TClassSet set = MakeSet(
      {{51, 51}, {54, 54}, {56, 59}, {74, 74}, {110, 110}, {141, 141}, {143, 143}, {151, 151}, {161, 161}, {226, 226}});
  return set;
}

const TClassSet& StateColors() {
  static const TClassSet set = MakeSet({{2, 18}, {76, 84}, {132, 140}, {231, 231}});
  return set;
}

const TClassSet& HotOnlyWithFlag() {
  static const TClassSet set = MakeSet({{2, 18}, {76, 85}, {132, 140}, {231, 231}});
  return set;
}

const TClassSet& FrameOnRefresh() {
  static const TClassSet set = MakeSet({{7, 8}, {10, 10}, {14, 14}, {78, 78}, {83, 83}, {85, 85}, {231, 231}});
  return set;
}

const TClassSet& AskForSection() {
  static const TClassSet set = MakeSet({{2, 10},
                                        {12, 14},
                                        {32, 34},
                                        {51, 51},
                                        {53, 54},
                                        {57, 59},
                                        {74, 76},
                                        {78, 78},
                                        {81, 85},
                                        {92, 94},
                                        {132, 141},
                                        {143, 143},
                                        {151, 151},
                                        {161, 161},
                                        {165, 165},
                                        {226, 226}});
  return set;
}

bool g_hover_switch = false;

}  // namespace

bool IsNoHoverClass(std::int32_t coc) { return In(NoHover(), coc); }
bool IsNoHotBackgroundClass(std::int32_t coc) { return In(NoHotBackground(), coc); }
bool IsStateColorClass(std::int32_t coc) { return In(StateColors(), coc); }
bool IsHotOnlyWithFlagClass(std::int32_t coc) { return In(HotOnlyWithFlag(), coc); }
bool IsFrameOnRefreshClass(std::int32_t coc) { return In(FrameOnRefresh(), coc); }
bool AsksControlForSection(std::int32_t coc) { return In(AskForSection(), coc); }
bool IsNoGlowClass(std::int32_t coc) { return IsNoHotBackgroundClass(coc) || (coc >= 92 && coc <= 94); }
bool ComputesBackgroundKind(std::int32_t coc) { return coc == kClassPanel; }

std::optional<std::u16string_view> DefaultSectionOf(std::int32_t coc) {
  switch (coc) {
    case 18:
      return u"COMBOBOX";
    case 19:
      return u"BAR";
    case 20:
      return u"BARTITLE";
    case 50:
    case 152:
      return u"CHECKBOX";
    case 56:
      return u"DRAGBAR";
    case 98:
      return u"TOOLBUTTON";
    case 230:
      return u"EDIT";
    default:
      return std::nullopt;
  }
}

bool GlobalHoverSwitch() { return g_hover_switch; }
void SetGlobalHoverSwitch(bool on) { g_hover_switch = on; }

}  // namespace vorlan::skin
