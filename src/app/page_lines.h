#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan::app {

// The result page's text lines, in order. The lines share one text and
// are told apart by where each starts, so a page of tens of thousands of
// lines costs a few allocations instead of one per line. A line is read
// as a view, valid until the list next changes.
class TPageLines {
 public:
  class const_iterator;
  using iterator = const_iterator;
  using value_type = std::u16string_view;
  using size_type = size_t;

  TPageLines() = default;
  TPageLines(std::initializer_list<std::u16string_view> lines);
  template <std::input_iterator It>
  TPageLines(It first, It last);

  size_t size() const { return starts_.size(); }
  bool empty() const { return starts_.empty(); }
  std::u16string_view operator[](size_t index) const;
  const_iterator begin() const;
  const_iterator end() const;

  // Room for that many more lines and characters, so that building a page
  // of known size does not move its text.
  void Reserve(size_t more_lines, size_t more_chars);

  void push_back(std::u16string_view line) { StartLine() += line; }

  // Starts a new last line and gives the list's text: the characters
  // appended to it, until the next line starts, are that line's.
  std::u16string& StartLine() {
    starts_.push_back(text_.size());
    return text_;
  }

  // Inserts the lines in [first, last) before `position`.
  template <std::input_iterator It>
  void insert(const_iterator position, It first, It last);

  // The same lines in the same order.
  friend bool operator==(const TPageLines&, const TPageLines&) = default;

 private:
  void InsertLines(size_t index, const TPageLines& lines);

  std::u16string text_;
  std::vector<size_t> starts_;  // where each line begins in text_
};

class TPageLines::const_iterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = std::u16string_view;
  using difference_type = std::ptrdiff_t;
  using reference = std::u16string_view;

  const_iterator() = default;
  const_iterator(const TPageLines* lines, size_t index) : lines_(lines), index_(index) {}

  std::u16string_view operator*() const { return (*lines_)[index_]; }
  const_iterator& operator++() {
    ++index_;
    return *this;
  }
  const_iterator operator++(int) {
    const_iterator before = *this;
    ++index_;
    return before;
  }
  difference_type operator-(const const_iterator& other) const {
    return static_cast<difference_type>(index_) - static_cast<difference_type>(other.index_);
  }
  bool operator==(const const_iterator& other) const { return index_ == other.index_; }

 private:
  const TPageLines* lines_ = nullptr;
  size_t index_ = 0;
};

inline TPageLines::const_iterator TPageLines::begin() const { return {this, 0}; }
inline TPageLines::const_iterator TPageLines::end() const { return {this, size()}; }

inline TPageLines::TPageLines(std::initializer_list<std::u16string_view> lines) {
  insert(end(), lines.begin(), lines.end());
}

template <std::input_iterator It>
TPageLines::TPageLines(It first, It last) {
  insert(end(), first, last);
}

template <std::input_iterator It>
void TPageLines::insert(const_iterator position, It first, It last) {
  // Gathered apart first: the lines may come from this list itself.
  TPageLines inserted;
  for (; first != last; ++first) inserted.push_back(*first);
  InsertLines(static_cast<size_t>(position - begin()), inserted);
}

}  // namespace vorlan::app
