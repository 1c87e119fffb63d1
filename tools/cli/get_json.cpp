#include "cli/get_json.h"

#include <cstdio>

namespace vorlan::cli {

std::string JsonString(std::string_view text) {
  std::string json = "\"";
  json.reserve(text.size() + 2);
  for (const char c : text) {
    switch (c) {
      case '"':
        json += "\\\"";
        break;
      case '\\':
        json += "\\\\";
        break;
      case '\b':
        json += "\\b";
        break;
      case '\f':
        json += "\\f";
        break;
      case '\n':
        json += "\\n";
        break;
      case '\r':
        json += "\\r";
        break;
      case '\t':
        json += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          json += escaped;
        } else {
          json += c;
        }
    }
  }
  json += '"';
  return json;
}

}  // namespace vorlan::cli
