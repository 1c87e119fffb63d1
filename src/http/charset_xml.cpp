#include <array>
#include <cstdint>
#include <optional>

#include "http/charset.h"
#include "platform/ascii.h"

// Detection of an XML entity's encoding from its first bytes: the byte order
// mark, else the declaration read in the encoding family its first four
// bytes reveal.
namespace vorlan::http {
namespace {

using platform::IsMarkupSpace;

// A declaration longer than this is not one worth reading.
constexpr size_t kMaxDeclarationChars = 1024;

enum class Family { kUcs4Be, kUcs4Le, kUtf16Be, kUtf16Le, kAscii, kEbcdic };

struct Signature {
  std::array<uint8_t, 4> bytes;
  size_t length;
  const char* name;  // the charset a byte order mark names
};

// Longer marks first: FF FE 00 00 is UCS-4LE, not UTF-16LE.
constexpr std::array kByteOrderMarks{
    Signature{{0x00, 0x00, 0xFE, 0xFF}, 4, "UCS-4BE"},  Signature{{0xFF, 0xFE, 0x00, 0x00}, 4, "UCS-4LE"},
    Signature{{0xEF, 0xBB, 0xBF, 0x00}, 3, "UTF-8"},    Signature{{0xFE, 0xFF, 0x00, 0x00}, 2, "UTF-16BE"},
    Signature{{0xFF, 0xFE, 0x00, 0x00}, 2, "UTF-16LE"},
};

struct DeclarationStart {
  std::array<uint8_t, 4> bytes;
  Family family;
};

// "<?xm" (or "<" and "?" in the wide forms) in each family.
constexpr std::array kDeclarationStarts{
    DeclarationStart{{0x00, 0x00, 0x00, 0x3C}, Family::kUcs4Be},
    DeclarationStart{{0x3C, 0x00, 0x00, 0x00}, Family::kUcs4Le},
    DeclarationStart{{0x00, 0x3C, 0x00, 0x3F}, Family::kUtf16Be},
    DeclarationStart{{0x3C, 0x00, 0x3F, 0x00}, Family::kUtf16Le},
    DeclarationStart{{0x3C, 0x3F, 0x78, 0x6D}, Family::kAscii},
    DeclarationStart{{0x4C, 0x6F, 0xA7, 0x94}, Family::kEbcdic},
};

bool StartsWith(std::string_view body, const std::array<uint8_t, 4>& bytes, size_t length) {
  if (body.size() < length) return false;
  for (size_t i = 0; i < length; ++i) {
    if (static_cast<uint8_t>(body[i]) != bytes[i]) return false;
  }
  return true;
}

// The characters a declaration is written with, from EBCDIC (code page 37).
char EbcdicToAscii(uint8_t byte) {
  static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz";
  if (byte >= 0x81 && byte <= 0x89) return kLetters[byte - 0x81];
  if (byte >= 0x91 && byte <= 0x99) return kLetters[9 + byte - 0x91];
  if (byte >= 0xA2 && byte <= 0xA9) return kLetters[18 + byte - 0xA2];
  if (byte >= 0xC1 && byte <= 0xC9) return static_cast<char>('A' + byte - 0xC1);
  if (byte >= 0xD1 && byte <= 0xD9) return static_cast<char>('J' + byte - 0xD1);
  if (byte >= 0xE2 && byte <= 0xE9) return static_cast<char>('S' + byte - 0xE2);
  if (byte >= 0xF0 && byte <= 0xF9) return static_cast<char>('0' + byte - 0xF0);
  switch (byte) {
    case 0x40:
      return ' ';
    case 0x05:
      return '\t';
    case 0x0D:
      return '\r';
    case 0x25:
      return '\n';
    case 0x15:
      return '\n';
    case 0x4B:
      return '.';
    case 0x4C:
      return '<';
    case 0x60:
      return '-';
    case 0x6D:
      return '_';
    case 0x6E:
      return '>';
    case 0x6F:
      return '?';
    case 0x7A:
      return ':';
    case 0x7D:
      return '\'';
    case 0x7E:
      return '=';
    case 0x7F:
      return '"';
    default:
      return '\0';
  }
}

// One character of the declaration ('\0' for anything outside ASCII);
// std::nullopt past the end of the body.
std::optional<char> CharAt(std::string_view body, Family family, size_t index) {
  const size_t width = family == Family::kUcs4Be || family == Family::kUcs4Le     ? 4
                       : family == Family::kUtf16Be || family == Family::kUtf16Le ? 2
                                                                                  : 1;
  if (index >= body.size() / width) return std::nullopt;
  const size_t offset = index * width;
  uint32_t code = 0;
  switch (family) {
    case Family::kAscii:
      code = static_cast<uint8_t>(body[offset]);
      break;
    case Family::kEbcdic:
      return EbcdicToAscii(static_cast<uint8_t>(body[offset]));
    case Family::kUtf16Be:
    case Family::kUcs4Be:
      for (size_t i = 0; i < width; ++i) code = (code << 8) | static_cast<uint8_t>(body[offset + i]);
      break;
    case Family::kUtf16Le:
    case Family::kUcs4Le:
      for (size_t i = width; i-- > 0;) code = (code << 8) | static_cast<uint8_t>(body[offset + i]);
      break;
  }
  return code < 0x80 ? static_cast<char>(code) : '\0';
}

// The declaration "<?xml ... ?>" up to its ">", as ASCII; empty when the
// body has none.
std::string ReadDeclaration(std::string_view body, Family family) {
  std::string declaration;
  for (size_t i = 0; i < kMaxDeclarationChars; ++i) {
    const std::optional<char> c = CharAt(body, family, i);
    if (!c) return {};
    declaration.push_back(*c);
    if (*c == '>') break;
  }
  if (declaration.empty() || declaration.back() != '>') return {};
  if (declaration.size() < 6 || declaration.compare(0, 5, "<?xml") != 0) return {};
  if (!IsMarkupSpace(declaration[5]) && declaration[5] != '?') return {};
  return declaration;
}

// The value of the encoding pseudo-attribute of a declaration.
std::string EncodingOf(std::string_view declaration) {
  size_t pos = 5;
  while (true) {
    const size_t found = declaration.find("encoding", pos);
    if (found == std::string_view::npos) return {};
    pos = found + 8;
    if (!IsMarkupSpace(declaration[found - 1])) continue;
    size_t i = pos;
    while (i < declaration.size() && IsMarkupSpace(declaration[i])) ++i;
    if (i >= declaration.size() || declaration[i] != '=') continue;
    ++i;
    while (i < declaration.size() && IsMarkupSpace(declaration[i])) ++i;
    if (i >= declaration.size() || (declaration[i] != '"' && declaration[i] != '\'')) continue;
    const char quote = declaration[i];
    const size_t end = declaration.find(quote, i + 1);
    if (end == std::string_view::npos) return {};
    return std::string(declaration.substr(i + 1, end - i - 1));
  }
}

}  // namespace

std::string DetectXmlCharset(std::string_view body) {
  for (const Signature& mark : kByteOrderMarks) {
    if (StartsWith(body, mark.bytes, mark.length)) return mark.name;
  }
  for (const DeclarationStart& start : kDeclarationStarts) {
    if (StartsWith(body, start.bytes, 4)) return EncodingOf(ReadDeclaration(body, start.family));
  }
  return {};
}

}  // namespace vorlan::http
