#include "http/header_list.h"

#include "platform/ascii.h"

namespace vorlan::http {

using platform::EqualsIgnoreCase;
using platform::TrimControlAndSpace;
namespace {

bool IsContinuation(std::string_view line) { return !line.empty() && (line[0] == ' ' || line[0] == '\t'); }

std::string_view LineName(std::string_view line) {
  const size_t colon = line.find(':');
  return colon == std::string_view::npos ? std::string_view() : TrimControlAndSpace(line.substr(0, colon));
}

std::string MakeLine(std::string_view name, std::string_view value) {
  std::string line(name);
  line += ": ";
  line += value;
  return line;
}

bool IsFoldBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> FoldHeaderLine(std::string_view line, size_t width) {
  if (line.size() <= width) return {std::string(line)};
  // Places after which a break is allowed.
  std::vector<size_t> breaks;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (!quoted && (IsFoldBlank(line[i]) || line[i] == ',')) breaks.push_back(i + 1);
  }
  std::vector<std::string> folded;
  size_t start = 0;
  size_t next_break = 0;
  while (start < line.size()) {
    const size_t prefix = folded.empty() ? 0 : 1;
    size_t end = line.size();
    if (line.size() - start + prefix > width) {
      while (next_break < breaks.size() && breaks[next_break] <= start) ++next_break;
      size_t chosen = next_break;
      while (chosen + 1 < breaks.size() && breaks[chosen + 1] - start + prefix <= width) ++chosen;
      if (chosen < breaks.size() && breaks[chosen] < line.size()) end = breaks[chosen];
    }
    std::string_view piece = line.substr(start, end - start);
    while (!piece.empty() && IsFoldBlank(piece.back())) piece.remove_suffix(1);
    std::string folded_line(prefix, ' ');
    folded_line.append(piece.data(), piece.size());
    folded.push_back(std::move(folded_line));
    start = end;
    while (start < line.size() && IsFoldBlank(line[start])) ++start;
  }
  return folded;
}

size_t THeaderList::Find(std::string_view name, size_t from) const {
  for (size_t i = from; i < lines_.size(); ++i) {
    if (!IsContinuation(lines_[i]) && EqualsIgnoreCase(LineName(lines_[i]), name)) return i;
  }
  return lines_.size();
}

size_t THeaderList::FieldEnd(size_t index) const {
  size_t end = index + 1;
  while (end < lines_.size() && IsContinuation(lines_[end])) ++end;
  return end;
}

std::string THeaderList::FieldValue(size_t index) const {
  const std::string_view first = lines_[index];
  std::string value(TrimControlAndSpace(first.substr(first.find(':') + 1)));
  for (size_t i = index + 1; i < FieldEnd(index); ++i) {
    value += ' ';
    value += TrimControlAndSpace(lines_[i]);
  }
  return value;
}

void THeaderList::Set(std::string_view name, std::string_view value) {
  const size_t index = Find(name);
  if (index == lines_.size()) {
    if (!value.empty()) Add(name, value);
    return;
  }
  const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(index);
  lines_.erase(first, lines_.begin() + static_cast<std::ptrdiff_t>(FieldEnd(index)));
  if (value.empty()) return;
  const std::vector<std::string> folded = FoldHeaderLine(MakeLine(name, value));
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), folded.begin(), folded.end());
}

void THeaderList::Add(std::string_view name, std::string_view value) {
  for (std::string& line : FoldHeaderLine(MakeLine(name, value))) lines_.push_back(std::move(line));
}

std::optional<std::string> THeaderList::Value(std::string_view name) const {
  const size_t index = Find(name);
  if (index == lines_.size()) return std::nullopt;
  return FieldValue(index);
}

std::vector<std::string> THeaderList::Values(std::string_view name) const {
  std::vector<std::string> values;
  for (size_t i = Find(name); i < lines_.size(); i = Find(name, i + 1)) values.push_back(FieldValue(i));
  return values;
}

}  // namespace vorlan::http
