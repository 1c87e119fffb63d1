#include "app/win/running_copy.h"

#include "app/version.h"

namespace vorlan::app {
namespace {

// How long a later start looks for the running copy's listener (or waits for
// an ending copy to let the mutex go) before it gives up; the steps between
// looks.
constexpr DWORD kSearchMilliseconds = 1000;
constexpr DWORD kSearchStepMilliseconds = 50;

std::wstring Widen(const char* ascii) { return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii)); }

bool Acquired(DWORD wait_result) { return wait_result == WAIT_OBJECT_0 || wait_result == WAIT_ABANDONED; }

}  // namespace

TRunningCopyNames TRunningCopyNames::Program() { return {Widen(VORLAN_RUNNING_COPY)}; }

UINT TRunningCopyNames::ShowRequest() const { return RegisterWindowMessageW((base + L".Show").c_str()); }

UINT TRunningCopyNames::ExitRequest() const { return RegisterWindowMessageW((base + L".Exit").c_str()); }

TRunningCopy::TRunningCopy(const TRunningCopyNames& names) : names_(names) {
  mutex_.reset(CreateMutexW(nullptr, TRUE, names_.Mutex().c_str()));
  if (!mutex_) {
    // No mutex to be had: run rather than refuse to start.
    owns_mutex_ = true;
    return;
  }
  if (GetLastError() != ERROR_ALREADY_EXISTS) {
    owns_mutex_ = true;
    return;
  }
  for (DWORD waited = 0; waited < kSearchMilliseconds; waited += kSearchStepMilliseconds) {
    listener_ = FindWindowW(nullptr, names_.WindowTitle().c_str());
    if (listener_) return;
    if (Acquired(WaitForSingleObject(mutex_.get(), kSearchStepMilliseconds))) {
      owns_mutex_ = true;
      return;
    }
  }
}

TRunningCopy::~TRunningCopy() {
  if (owns_mutex_ && mutex_) ReleaseMutex(mutex_.get());
}

bool TRunningCopy::AskToShow() const {
  if (!listener_) return false;
  // This start was the user's doing: the running copy may take the foreground.
  DWORD process = 0;
  GetWindowThreadProcessId(listener_, &process);
  if (process != 0) AllowSetForegroundWindow(process);
  return PostMessageW(listener_, names_.ShowRequest(), 0, 0) != FALSE;
}

}  // namespace vorlan::app
