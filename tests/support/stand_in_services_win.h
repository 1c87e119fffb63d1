#pragma once

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/build_config.h"
#include "app/win/main_form.h"
#include "platform/text.h"

// The main form talking to the local stand-in services, whatever hosts the
// program was configured with: its two GETs run on its own HTTP client with
// each configured host replaced by the stand-in's loopback address.
namespace vorlan::testing {

// "127.0.0.1:PORT" of one stand-in: the address the run hands in `variable`,
// else the fixed port of `scripts/services start`.
inline std::u16string StandInAddress(const char* variable, const char* fixed) {
  const char* value = std::getenv(variable);
  return platform::Utf8ToUtf16(value != nullptr && *value != '\0' ? value : fixed);
}

inline std::u16string CatalogueStandIn() { return StandInAddress("VORLAN_CATALOGUE_ADDRESS", "127.0.0.1:18081"); }
inline std::u16string PicturesStandIn() { return StandInAddress("VORLAN_PICTURES_ADDRESS", "127.0.0.1:18082"); }

// The URL with a configured service host replaced by its stand-in's address.
inline std::u16string ToStandIn(const std::u16string& url) {
  const std::u16string scheme = u"http://";
  const std::pair<const char*, std::u16string> hosts[] = {
      {app::build_config::kCatalogueHost, CatalogueStandIn()},
      {app::build_config::kPictureHost, PicturesStandIn()},
  };
  for (const auto& [configured, stand_in] : hosts) {
    const std::u16string prefix = scheme + platform::Utf8ToUtf16(configured) + u"/";
    if (url.rfind(prefix, 0) == 0) return scheme + stand_in + url.substr(prefix.size() - 1);
  }
  return url;
}

// Services for a main form that `form` will point to once it is built. The
// result page is not handed to the shell (that would start a browser per
// lookup): `opened` hears of it instead.
inline app::TMainFormServices StandInServices(app::TMainForm* const& form,
                                              std::function<void(const std::u16string&)> opened) {
  app::TMainFormServices services;
  services.get_text = [&form](const std::u16string& url) { return form->HttpClient1->Get(ToStandIn(url)); };
  services.get_stream = [&form](const std::u16string& url, std::vector<uint8_t>& stream) {
    form->HttpClient1->Get(ToStandIn(url), stream);
  };
  services.shell_open = [opened = std::move(opened)](HWND, const std::u16string& target) { opened(target); };
  return services;
}

}  // namespace vorlan::testing
