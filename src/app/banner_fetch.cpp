#include "app/banner_fetch.h"

#include "app/banner.h"
#include "paint/jpeg_decoder.h"

namespace vorlan::app {

paint::TBitmap32 FetchBanner(const GetStream& get, std::u16string_view picture_host) {
  std::vector<uint8_t> stream;
  get(BannerUrl(picture_host), stream);
  return paint::DecodeJpeg(stream);
}

}  // namespace vorlan::app
