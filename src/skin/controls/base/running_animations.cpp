#include "skin/controls/base/running_animations.h"

#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace vorlan::skin {
namespace {

std::vector<const TAnimationEntry*>& Entries() {
  static std::vector<const TAnimationEntry*> entries;
  return entries;
}

bool system_ending = false;

// Dispatches what is queued; false when a quit message came (put back).
bool RunPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

}  // namespace

TAnimationEntry::TAnimationEntry(std::function<bool()> playing) : playing_(std::move(playing)) {
  Entries().push_back(this);
}

TAnimationEntry::~TAnimationEntry() { std::erase(Entries(), this); }

bool SkinAnimationRunning() {
  return std::any_of(Entries().begin(), Entries().end(), [](const TAnimationEntry* entry) { return entry->Playing(); });
}

bool SystemEnding() { return system_ending; }
void SetSystemEnding(bool ending) { system_ending = ending; }

void LetSkinAnimationsEnd(std::chrono::milliseconds limit) {
  const auto until = std::chrono::steady_clock::now() + limit;
  while (SkinAnimationRunning() && std::chrono::steady_clock::now() < until) {
    if (!RunPendingMessages()) return;
    if (SkinAnimationRunning()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace vorlan::skin
