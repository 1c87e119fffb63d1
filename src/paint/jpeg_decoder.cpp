#include "paint/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>
// After jpeglib.h: the message codes and the ERREXIT macros.
#include <jerror.h>

#include "paint/image_errors.h"
#include "paint/pixel_math.h"

namespace vorlan::paint {

namespace {

// The decoder reports errors through this manager: the exit jumps back to
// the frame that started the decoding with the message code, so no C++
// exception ever unwinds through the library's C frames.
struct ErrorManager {
  jpeg_error_mgr Public;
  std::jmp_buf Jump;
  int Code = 0;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  err->Code = err->Public.msg_code;
  std::longjmp(err->Jump, 1);
}

// Warnings about corrupt or truncated data are failures too: a broken
// picture must not show as a half-grey banner.
void EmitMessage(j_common_ptr cinfo, int level) {
  if (level < 0) ErrorExit(cinfo);
}

void OutputMessage(j_common_ptr) {}

// Owns the decompressor from creation to jpeg_destroy_decompress.
class Decompressor {
 public:
  Decompressor() {
    cinfo_.err = jpeg_std_error(&errors_.Public);
    errors_.Public.error_exit = ErrorExit;
    errors_.Public.emit_message = EmitMessage;
    errors_.Public.output_message = OutputMessage;
  }
  ~Decompressor() {
    if (created_) jpeg_destroy_decompress(&cinfo_);
  }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  // Returns 0, or the decoder's message code when it failed.
  int Run(std::span<const uint8_t> data, TJpegPicture& out);

 private:
  void Decode(std::span<const uint8_t> data, TJpegPicture& out);

  jpeg_decompress_struct cinfo_{};
  ErrorManager errors_{};
  bool created_ = false;
};

int Decompressor::Run(std::span<const uint8_t> data, TJpegPicture& out) {
  // Everything between setjmp and a possible longjmp lives in Decode or in
  // members, never in this frame's locals.
  if (setjmp(errors_.Jump) != 0) return errors_.Code;
  Decode(data, out);
  return 0;
}

uint32_t CmykPixel(const JSAMPLE* p, bool inverted) {
  int c = p[0], m = p[1], y = p[2], k = p[3];
  if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
  // Adobe's inverted form: each stored value is 255 − ink.
  return px::Pack(y * k / 255, m * k / 255, c * k / 255, 255);
}

void Decompressor::Decode(std::span<const uint8_t> data, TJpegPicture& out) {
  jpeg_create_decompress(&cinfo_);
  created_ = true;
  jpeg_mem_src(&cinfo_, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&cinfo_, TRUE);
  const bool cmyk = cinfo_.jpeg_color_space == JCS_CMYK || cinfo_.jpeg_color_space == JCS_YCCK;
  const bool grey = cinfo_.jpeg_color_space == JCS_GRAYSCALE;
  cinfo_.out_color_space = cmyk ? JCS_CMYK : (grey ? JCS_GRAYSCALE : JCS_RGB);
  cinfo_.scale_num = 1;
  cinfo_.scale_denom = 1;
  cinfo_.dct_method = JDCT_ISLOW;
  cinfo_.do_fancy_upsampling = TRUE;
  cinfo_.do_block_smoothing = TRUE;
  jpeg_start_decompress(&cinfo_);
  if (cinfo_.output_width > JDIMENSION(TBitmap32::kMaxSide) || cinfo_.output_height > JDIMENSION(TBitmap32::kMaxSide) ||
      uint64_t(cinfo_.output_width) * cinfo_.output_height > uint64_t(TBitmap32::kMaxPixels)) {
    ERREXIT1(&cinfo_, JERR_IMAGE_TOO_BIG, cinfo_.output_width);
  }
  out.Bitmap = TBitmap32(static_cast<int32_t>(cinfo_.output_width), static_cast<int32_t>(cinfo_.output_height));
  out.Cmyk = cmyk;
  const int components = cinfo_.output_components;
  JSAMPARRAY line = (*cinfo_.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo_), JPOOL_IMAGE,
                                                cinfo_.output_width * JDIMENSION(components), 1);
  const bool inverted = cinfo_.saw_Adobe_marker;
  while (cinfo_.output_scanline < cinfo_.output_height) {
    const auto y = static_cast<int32_t>(cinfo_.output_scanline);
    if (jpeg_read_scanlines(&cinfo_, line, 1) != 1) ERREXIT(&cinfo_, JERR_INPUT_EOF);
    uint32_t* row = out.Bitmap.Row(y);
    const JSAMPLE* s = line[0];
    for (JDIMENSION x = 0; x < cinfo_.output_width; ++x, s += components) {
      if (components == 1) {
        row[x] = px::Pack(s[0], s[0], s[0], 255);
      } else if (components == 3) {
        row[x] = px::Pack(s[2], s[1], s[0], 255);
      } else {
        row[x] = CmykPixel(s, inverted);
      }
    }
  }
  jpeg_finish_decompress(&cinfo_);
}

}  // namespace

TJpegPicture DecodeJpegPicture(std::span<const uint8_t> data) {
  TJpegPicture picture;
  Decompressor decompressor;
  const int code = decompressor.Run(data, picture);
  if (code != 0) throw JpegError(code);
  return picture;
}

TBitmap32 DecodeJpeg(std::span<const uint8_t> data) { return DecodeJpegPicture(data).Bitmap; }

}  // namespace vorlan::paint
