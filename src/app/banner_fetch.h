#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "paint/bitmap32.h"

namespace vorlan::app {

// The stream form of GET: the body of a 2xx response appended to `stream`;
// throws a vorlan::Error with the HTTP client's message on every failure.
using GetStream = std::function<void(const std::u16string& url, std::vector<uint8_t>& stream)>;

// Fetches the banner photograph from the picture service and decodes it at
// full size. A body that is no JPEG picture fails with "JPEG error #%d".
paint::TBitmap32 FetchBanner(const GetStream& get, std::u16string_view picture_host);

}  // namespace vorlan::app
