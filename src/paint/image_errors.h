#pragma once

#include <string>

#include "platform/error.h"

// Failures of the image decoders and their fixed messages.
namespace vorlan::paint {

class ImageError : public Error {
 public:
  using Error::Error;
};

// The JPEG decoder's failures carry the decoder's message code.
class JpegError : public ImageError {
 public:
  explicit JpegError(int code);
  int Code() const { return code_; }

 private:
  int code_;
};

inline constexpr char kPngInvalidFormat[] = "Cannot load image. Invalid or unexpected PNG image format.";
inline constexpr char kPngUnsupportedCompression[] =
    "Cannot load image. The compression scheme is not supported for PNG files.";
inline constexpr char kPngInvalidPalette[] = "Cannot load image. Palette in PNG file is invalid.";
inline constexpr char kPngInvalidColorFormat[] = "Invalid color format in PNG file.";
inline constexpr char kPngExtraCompressedData[] = "Cannot load image. Extra compressed data found in PNG file.";
inline constexpr char kPngUnknownCriticalChunk[] = "Cannot load PNG image. Unexpected but critical chunk detected.";
inline constexpr char kBmpInvalid[] = "Bitmap image is not valid.";
inline constexpr char kJpegErrorFormat[] = "JPEG error #%d";
inline constexpr char kUnknownPictureFormat[] = "Unknown picture file extension (%s)";

std::string JpegErrorMessage(int code);

}  // namespace vorlan::paint
