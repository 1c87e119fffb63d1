#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "skin/controls/core/common_data.h"
#include "skin/controls/core/skinned_control.h"
#include "ui/panel.h"

// A panel painted from the skin: its section over the picture its parent
// shows under it, its windowless children (labels, images) over that, and
// the picture handed to its windowed children when they ask what lies
// behind them.
namespace vorlan::skin {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

enum class TTextAlignment { taLeftJustify, taRightJustify, taCenter };

// OnPaint: the finished picture's device context, before it is shown.
using TPanelPaintEvent = std::function<void(ui::TObject& sender, HDC canvas)>;

class TSkinPanel : public TSkinnedControl<ui::TPanel, TSkinCommonData> {
 public:
  TSkinPanel();
  ~TSkinPanel() override;
  std::u16string_view ClassName() const override { return u"TSkinPanel"; }

  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut value);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut value);
  int BevelWidth() const { return FBevelWidth; }
  int BorderWidth() const { return FBorderWidth; }
  TTextAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TTextAlignment value);
  TPanelPaintEvent OnPaint;

  // Paints the picture into the cache over the parent's; false when the
  // parent's picture is not ready (the panel then waits for it).
  bool PrepareCache();
  // Shows the picture (rebuilt when due) and the windowless children on dc;
  // with sendUpdated the children hear that the panel's update has ended.
  void OurPaint(HDC dc, bool sendUpdated);

 protected:
  void Loaded() override;
  void WndProc(ui::TMessage& message) override;
  void PaintBackground(HDC dc, const RECT& rect) override;

 private:
  bool OwnCommand(ui::TMessage& message);
  void AnswerBackground(ui::TMessage& message);
  void UpdateDone();
  void PassToChildren(const ui::TMessage& message);
  void WriteText(HDC dc);
  std::int32_t BevelSection() const;
  int BevelCount() const;
  void RedrawNow();

  TBevelCut FOldBevel = TBevelCut::bvRaised;
  TBevelCut FBevelOuter = TBevelCut::bvRaised;
  TBevelCut FBevelInner = TBevelCut::bvNone;
  int FBevelWidth = kBevelWidth;
  int FBorderWidth = 0;
  TTextAlignment FAlignment = TTextAlignment::taCenter;
};

}  // namespace vorlan::skin
