#pragma once

#include "app/version.h"

namespace vorlan::app {

// The application title: the error box caption, the tray tip and the
// result page's title. It carries the program's version.
inline constexpr char16_t kApplicationTitle[] = u"VorlanTV клиент " VORLAN_VERSION;

}  // namespace vorlan::app
