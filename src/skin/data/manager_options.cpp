#include "skin/data/manager_options.h"

#include <algorithm>

namespace vorlan::skin {

std::u16string_view ThirdPartyDefault(int kind) { return kind == ThirdButtons ? u"TButton" : u" "; }

ThirdPartyList::ThirdPartyList() { FillDefaultsAndRebuild(); }

namespace {
std::vector<std::u16string> SplitLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ++end;
    start = end + 1;
  }
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}
}  // namespace

void ThirdPartyList::FillDefaultsAndRebuild() {
  for (int kind = 0; kind < kThirdPartyCount; ++kind) {
    if (Texts[kind].empty()) Texts[kind] = ThirdPartyDefault(kind);
  }
  Rebuild();
}

void ThirdPartyList::Rebuild() {
  for (int kind = 0; kind < kThirdPartyCount; ++kind) {
    ThirdLists[kind] = SplitLines(Texts[kind]);
  }
}

void ThirdPartyList::Clear() {
  for (int kind = 0; kind < kThirdPartyCount; ++kind) {
    Texts[kind].clear();
    ThirdLists[kind].clear();
  }
}

void ThirdPartyList::WriteBack() {
  for (int kind = 0; kind < kThirdPartyCount; ++kind) {
    std::u16string text;
    for (const auto& name : ThirdLists[kind]) text += name + u"\r\n";
    Texts[kind] = text;
  }
}

bool ThirdPartyList::Contains(int kind, std::u16string_view class_name) const {
  const auto& list = ThirdLists[kind];
  return std::find(list.begin(), list.end(), class_name) != list.end();
}

}  // namespace vorlan::skin
