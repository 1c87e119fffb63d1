#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/file_read.h"
#include "cli/image_bmp_writer.h"
#include "cli/numbers.h"
#include "paint/decoded_image.h"
#include "paint/resample.h"
#include "platform/error.h"
#include "platform/file_write.h"
#include "platform/text.h"

namespace vorlan::cli {
namespace {

constexpr char kImageUsage[] = "usage: vorlantv-cli image convert IN OUT [--resample W H FILTER]\n";

int Usage() {
  std::fputs(kImageUsage, stderr);
  return 2;
}

struct ResampleRequest {
  int32_t Width = 0;
  int32_t Height = 0;
  int Filter = 0;
};

int Convert(const std::string& in_name, const std::string& out_name, const std::optional<ResampleRequest>& resample) {
  const std::vector<uint8_t> data = ReadWholeFile(in_name);
  paint::TBitmap32 picture = paint::To32Bits(paint::DecodePicture(data, in_name));
  if (resample) {
    paint::TBitmap32 resampled;
    paint::ResampleBitmap(picture, resampled, resample->Width, resample->Filter, resample->Height);
    // A resampling that does nothing leaves the picture as it was.
    if (!resampled.Empty()) picture = std::move(resampled);
  }
  platform::WriteWholeFile(platform::Utf8ToUtf16(out_name), EncodeBmp32TopDown(picture));
  return 0;
}

}  // namespace

int RunImage(std::span<const std::string> args) {
  if (args.empty() || args[0] != "convert") return Usage();
  if (args.size() != 3 && args.size() != 7) return Usage();
  std::optional<ResampleRequest> resample;
  if (args.size() == 7) {
    if (args[3] != "--resample") return Usage();
    const auto w = ParseInt32(args[4]), h = ParseInt32(args[5]), filter = ParseInt32(args[6]);
    if (!w || !h || !filter || *filter < 0 || *filter >= paint::kFilterCount) return Usage();
    resample = ResampleRequest{*w, *h, *filter};
  }
  try {
    return Convert(args[1], args[2], resample);
  } catch (const std::exception& e) {
    std::fputs(e.what(), stderr);
    std::fputs("\n", stderr);
    return 1;
  }
}

}  // namespace vorlan::cli
