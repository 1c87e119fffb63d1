#pragma once

namespace vorlan::app {

// The application title: the error box caption, the tray tip and the
// result page's title.
inline constexpr char16_t kApplicationTitle[] = u"VorlanTV клиент 1.0";

}  // namespace vorlan::app
