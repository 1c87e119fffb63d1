#include "skin/controls/core/hot_tracking.h"

#include <map>
#include <utility>

#include "skin/controls/core/common_data.h"
#include "skin/data/skin_manager.h"
#include "ui/timer.h"

namespace vorlan::skin {
namespace {

constexpr UINT kHotCheckInterval = 100;

struct THotRecord {
  HWND FActiveControl = nullptr;
  ui::TControl* FActiveGraphControl = nullptr;  // borrowed: forgotten when it goes
  ui::TOwned<ui::TTimer> Timer;
};

TSkinManager* Resolve(TSkinManager* manager) { return manager ? manager : DefaultManager(); }
const TSkinManager* Resolve(const TSkinManager* manager) { return manager ? manager : DefaultManager(); }

std::map<const TSkinManager*, THotRecord>& Records() {
  static std::map<const TSkinManager*, THotRecord> records;
  return records;
}

const THotRecord* FindRecord(const TSkinManager* manager) {
  const auto found = Records().find(Resolve(manager));
  return found == Records().end() ? nullptr : &found->second;
}

// scMouseEnter and scMouseLeave carry the same kind of sender.
LPARAM AsLParam(const void* sender) { return PayloadWord<scMouseLeave>(sender); }

void SendTo(HWND window, TSkinCommand command, LPARAM lparam) {
  if (IsWindow(window)) SendMessageW(window, SM_ALPHACMD, MakeSkinWParam(command), lparam);
}

std::intptr_t DispatchTo(ui::TControl& control, TSkinCommand command, LPARAM lparam) {
  return control.Dispatch(MakeSkinMessage(command, lparam));
}

// The timer runs only while there is something to check.
void UpdateTimer(TSkinManager* manager, THotRecord& record) {
  const bool wanted = record.FActiveControl != nullptr || record.FActiveGraphControl != nullptr;
  if (wanted && !record.Timer) {
    record.Timer = ui::MakeOwned<ui::TTimer>();
    record.Timer->SetInterval(kHotCheckInterval);
    record.Timer->OnTimer = [manager](ui::TObject&) { TimerCheckHot(manager); };
  }
  if (record.Timer) record.Timer->SetEnabled(wanted);
}

// Clears the windowless hot control unless its data says the mouse is still
// above it; false when it stays.
bool ClearGraphControl(THotRecord& record, LPARAM manager) {
  ui::TControl* control = record.FActiveGraphControl;
  if (!control) return true;
  const auto* data = AnswerOf<scGetSkinData>(DispatchTo(*control, scGetSkinData, 0));
  if (data && data->FMouseAbove) return false;
  record.FActiveGraphControl = nullptr;
  DispatchTo(*control, scMouseLeave, manager);
  return true;
}

}  // namespace

void SetActiveControl(TSkinManager* manager, HWND window) {
  manager = Resolve(manager);
  THotRecord& record = Records()[manager];
  if (record.FActiveControl == window) return;
  if (!ClearGraphControl(record, AsLParam(manager))) return;
  const HWND previous = std::exchange(record.FActiveControl, window);
  if (previous) SendTo(previous, scMouseLeave, AsLParam(manager));
  if (window) SendTo(window, scMouseEnter, AsLParam(manager));
  UpdateTimer(manager, record);
}

void SetActiveGraphControl(TSkinManager* manager, ui::TControl* control) {
  manager = Resolve(manager);
  THotRecord& record = Records()[manager];
  if (record.FActiveGraphControl == control) return;
  if (!ClearGraphControl(record, AsLParam(manager))) return;
  record.FActiveGraphControl = control;
  if (control) DispatchTo(*control, scMouseEnter, AsLParam(manager));
  UpdateTimer(manager, record);
}

HWND ActiveControl(const TSkinManager* manager) {
  const THotRecord* record = FindRecord(manager);
  return record ? record->FActiveControl : nullptr;
}

ui::TControl* ActiveGraphControl(const TSkinManager* manager) {
  const THotRecord* record = FindRecord(manager);
  return record ? record->FActiveGraphControl : nullptr;
}

void TimerCheckHot(TSkinManager* manager) {
  manager = Resolve(manager);
  const auto found = Records().find(manager);
  if (found == Records().end()) return;
  THotRecord& record = found->second;
  if (const HWND window = record.FActiveControl) {
    RECT bounds{};
    POINT cursor{};
    const bool inside =
        IsWindow(window) && GetWindowRect(window, &bounds) && GetCursorPos(&cursor) && PtInRect(&bounds, cursor);
    if (inside) return;
    record.FActiveControl = nullptr;
    SendTo(window, scMouseLeave, AsLParam(window));
  }
  if (ui::TControl* control = std::exchange(record.FActiveGraphControl, nullptr)) {
    DispatchTo(*control, scMouseLeave, AsLParam(control));
  }
  UpdateTimer(manager, record);
}

bool HotCheckRunning(const TSkinManager* manager) {
  const THotRecord* record = FindRecord(manager);
  return record && record->Timer && record->Timer->Running();
}

void ForgetHotControl(const ui::TControl& control) {
  for (auto& [manager, record] : Records()) {
    if (record.FActiveGraphControl == &control) record.FActiveGraphControl = nullptr;
  }
}

}  // namespace vorlan::skin
