#include "http/base64.h"

namespace vorlan::http {

std::string Base64Encode(std::string_view bytes) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string encoded;
  encoded.reserve((bytes.size() + 2) / 3 * 4);
  size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const uint32_t group = static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << 16 |
                           static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
    encoded += kAlphabet[group >> 18];
    encoded += kAlphabet[(group >> 12) & 63];
    encoded += kAlphabet[(group >> 6) & 63];
    encoded += kAlphabet[group & 63];
  }
  const size_t left = bytes.size() - i;
  if (left > 0) {
    uint32_t group = static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
    if (left == 2) group |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    encoded += kAlphabet[group >> 18];
    encoded += kAlphabet[(group >> 12) & 63];
    encoded += left == 2 ? kAlphabet[(group >> 6) & 63] : '=';
    encoded += '=';
  }
  return encoded;
}

}  // namespace vorlan::http
