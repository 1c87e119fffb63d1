#pragma once

#include <string>
#include <string_view>

namespace vorlan::app {

// The hidden text control that keeps the last catalogue response. Text is
// handed over as a NUL-terminated string, so it keeps the text only up to
// the first U+0000.
class TResponseHolder {
 public:
  TResponseHolder() = default;
  explicit TResponseHolder(std::u16string_view text) { SetText(text); }

  void SetText(std::u16string_view text) { text_.assign(text.substr(0, text.find(u'\0'))); }
  const std::u16string& Text() const { return text_; }

 private:
  std::u16string text_;
};

}  // namespace vorlan::app
