#pragma once

#include "ui/control.h"

namespace vorlan::ui {

// Text painted by its parent, on the parent's background. With AutoSize on
// (the default) the label takes the size of its text in its font once loaded
// and whenever the text or font changes.
class TLabel : public TControl {
 public:
  std::u16string_view ClassName() const override { return u"TLabel"; }
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  void SetCaption(std::u16string caption) override;
  void Paint(HDC dc) override;

 protected:
  void Loaded() override { AdjustSize(); }
  void FontChanged() override { AdjustSize(); }

 private:
  void AdjustSize();

  bool auto_size_ = true;
};

}  // namespace vorlan::ui
