#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Sends the calls that the modules of this process make through their import
// tables to a replacement: every import slot of every loaded module that
// holds the function's address gets the replacement's address, and gets the
// function back when this object goes (slots that someone else changed
// meanwhile are left alone). Calls found by GetProcAddress, calls inside the
// module that exports the function, and modules loaded later are not
// redirected.
namespace vorlan::skin {

// Any function's address (the one pointer type every function casts to
// without complaint).
using TAnyFunction = void (*)();

template <class F>
TAnyFunction AnyFunction(F function) {
  return reinterpret_cast<TAnyFunction>(function);
}
template <class F>
F TypedFunction(TAnyFunction function) {
  return reinterpret_cast<F>(function);
}

class TImportRedirect {
 public:
  TImportRedirect(TAnyFunction original, TAnyFunction replacement);
  ~TImportRedirect();
  TImportRedirect(const TImportRedirect&) = delete;
  TImportRedirect& operator=(const TImportRedirect&) = delete;

  TAnyFunction Original() const { return original_; }
  // The file names of the modules whose slots were redirected.
  const std::vector<std::u16string>& Modules() const { return modules_; }

 private:
  TAnyFunction original_;
  TAnyFunction replacement_;
  std::vector<std::u16string> modules_;
};

// The function's address as the system's module exports it.
TAnyFunction SystemFunction(const wchar_t* module, const char* name);

}  // namespace vorlan::skin
