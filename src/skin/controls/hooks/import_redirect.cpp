#include "skin/controls/hooks/import_redirect.h"

#include <tlhelp32.h>

#include <functional>

#include "platform/handle_win.h"
#include "ui/types.h"

namespace vorlan::skin {
namespace {

// Every module of this process, by base address and file name.
void ForEachModule(const std::function<void(BYTE* base, const wchar_t* name)>& visit) {
  const platform::UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId()));
  if (!snapshot || snapshot.get() == INVALID_HANDLE_VALUE) return;
  MODULEENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Module32FirstW(snapshot.get(), &entry); more; more = Module32NextW(snapshot.get(), &entry)) {
    visit(entry.modBaseAddr, entry.szModule);
  }
}

// The import address slots of a loaded module.
void ForEachImportSlot(BYTE* base, const std::function<void(ULONG_PTR& slot)>& visit) {
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  if (nt->Signature != IMAGE_NT_SIGNATURE) return;
  if (nt->OptionalHeader.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_IMPORT) return;
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0 || imports.Size == 0) return;
  for (auto* descriptor = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       descriptor->Name != 0; ++descriptor) {
    if (descriptor->FirstThunk == 0) continue;
    for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->FirstThunk); thunk->u1.Function != 0;
         ++thunk) {
      visit(thunk->u1.Function);
    }
  }
}

// Replaces the slot's value when it is still `from`; true when it did.
bool Exchange(ULONG_PTR& slot, TAnyFunction from, TAnyFunction to) {
  if (slot != reinterpret_cast<ULONG_PTR>(from)) return false;
  MEMORY_BASIC_INFORMATION region{};
  if (!VirtualQuery(&slot, &region, sizeof(region))) return false;
  constexpr DWORD kExecutable = PAGE_EXECUTE | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
  constexpr DWORD kWritable = PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
  DWORD protection = region.Protect;
  // Code sharing the page keeps running while the slot changes.
  const bool reprotect = (protection & kWritable) == 0;
  if (reprotect && !VirtualProtect(&slot, sizeof(slot),
                                   (protection & kExecutable) ? PAGE_EXECUTE_READWRITE : PAGE_READWRITE, &protection)) {
    return false;
  }
  InterlockedCompareExchangePointer(reinterpret_cast<PVOID volatile*>(&slot), reinterpret_cast<PVOID>(to),
                                    reinterpret_cast<PVOID>(from));
  if (reprotect) VirtualProtect(&slot, sizeof(slot), protection, &protection);
  return true;
}

}  // namespace

TImportRedirect::TImportRedirect(TAnyFunction original, TAnyFunction replacement)
    : original_(original), replacement_(replacement) {
  if (!original_ || !replacement_) return;
  ForEachModule([this](BYTE* base, const wchar_t* name) {
    bool redirected = false;
    ForEachImportSlot(base, [&](ULONG_PTR& slot) { redirected |= Exchange(slot, original_, replacement_); });
    if (redirected) modules_.push_back(ui::FromWide(name));
  });
}

TImportRedirect::~TImportRedirect() {
  if (!original_ || !replacement_) return;
  // Walked afresh: a module unloaded meanwhile has no slots left to restore.
  ForEachModule([this](BYTE* base, const wchar_t*) {
    ForEachImportSlot(base, [this](ULONG_PTR& slot) { Exchange(slot, replacement_, original_); });
  });
}

TAnyFunction SystemFunction(const wchar_t* module, const char* name) {
  HMODULE handle = GetModuleHandleW(module);
  if (!handle) handle = LoadLibraryW(module);
  return handle ? AnyFunction(GetProcAddress(handle, name)) : nullptr;
}

}  // namespace vorlan::skin
