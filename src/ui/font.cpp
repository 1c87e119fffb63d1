#include "ui/font.h"

#include <algorithm>

namespace vorlan::ui {

TFont& TFont::operator=(const TFont& other) {
  if (this != &other) {
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    charset_ = other.charset_;
    handle_.reset();
  }
  return *this;
}

void TFont::SetName(std::u16string name) {
  name_ = std::move(name);
  handle_.reset();
}

void TFont::SetHeight(int height) {
  height_ = height;
  handle_.reset();
}

void TFont::SetCharset(BYTE charset) {
  charset_ = charset;
  handle_.reset();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW font{};
    font.lfHeight = height_;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = charset_;
    font.lfQuality = DEFAULT_QUALITY;
    const size_t length = std::min(name_.size(), static_cast<size_t>(LF_FACESIZE - 1));
    std::copy_n(name_.data(), length, reinterpret_cast<char16_t*>(font.lfFaceName));
    handle_.reset(CreateFontIndirectW(&font));
  }
  return handle_.get();
}

}  // namespace vorlan::ui
