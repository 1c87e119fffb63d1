#include "app/page_lines.h"

namespace vorlan::app {

std::u16string_view TPageLines::operator[](size_t index) const {
  const size_t start = starts_[index];
  const size_t end = index + 1 < starts_.size() ? starts_[index + 1] : text_.size();
  return std::u16string_view(text_).substr(start, end - start);
}

void TPageLines::Reserve(size_t more_lines, size_t more_chars) {
  starts_.reserve(starts_.size() + more_lines);
  text_.reserve(text_.size() + more_chars);
}

void TPageLines::InsertLines(size_t index, const TPageLines& lines) {
  const size_t at = index < size() ? starts_[index] : text_.size();
  text_.insert(at, lines.text_);
  for (size_t i = index; i < starts_.size(); ++i) starts_[i] += lines.text_.size();
  starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(index), lines.starts_.begin(), lines.starts_.end());
  for (size_t i = index; i < index + lines.size(); ++i) starts_[i] += at;
}

}  // namespace vorlan::app
