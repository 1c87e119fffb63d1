#pragma once

// Windows Sockets must come before windows.h.
#include <winsock2.h>
//
#include "platform/handle_win.h"

// The owner of a Windows Sockets socket, in the same vocabulary as the other
// Win32 handles.
namespace vorlan::platform {

namespace handle_traits {

struct Socket {
  using Type = SOCKET;
  static Type Invalid() noexcept { return INVALID_SOCKET; }
  static bool Close(Type s) noexcept { return ::closesocket(s) == 0; }
};

}  // namespace handle_traits

using UniqueSocket = UniqueHandle<handle_traits::Socket>;

}  // namespace vorlan::platform
