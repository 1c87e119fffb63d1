#pragma once

#include <string>
#include <string_view>

#include "platform/error.h"

// The failures of reading skin packages and skin options.
namespace vorlan::skin {

inline constexpr std::string_view kStreamReadError = "Stream read error";
inline constexpr std::string_view kInvalidZStreamOperation = "Invalid ZStream operation!";
inline constexpr std::string_view kNotPackedSkinMessage = "Loaded data is not a packed VeltrixSkin file";

// A stream that cannot deliver the bytes asked for.
class EReadError : public Error {
 public:
  EReadError() : Error(std::string(kStreamReadError)) {}
};

// zlib failures keep zlib's code; the message is the text for it.
class EZLibError : public Error {
 public:
  EZLibError(int code, const std::string& message) : Error(message), FErrorCode(code) {}
  int ErrorCode() const { return FErrorCode; }

 private:
  int FErrorCode;
};

class EZDecompressionError : public EZLibError {
 public:
  using EZLibError::EZLibError;
};

class EZCompressionError : public EZLibError {
 public:
  using EZLibError::EZLibError;
};

// The text zlib's codes stand for ("data error" for -3, ...).
std::string_view ZLibCodeText(int code);

// Raises the decompression error of a zlib code.
[[noreturn]] void ThrowZDecompressionError(int code);

// A number in a fixed-position skin entry or a gradient that is not one.
class EConvertError : public Error {
 public:
  using Error::Error;
};

// "''%s'' is not a valid integer value" with the offending text.
[[noreturn]] void ThrowInvalidInteger(std::u16string_view text);

}  // namespace vorlan::skin
