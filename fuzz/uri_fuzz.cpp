// URL parsing and relative path resolution on arbitrary UTF-16 text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "http/uri.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string url;
  for (size_t i = 0; i + 1 < size; i += 2) url += static_cast<char16_t>(data[i] | data[i + 1] << 8);
  const vorlan::http::TUri uri = vorlan::http::TUri::Parse(url);
  if (!uri.protocol.empty() && (uri.path.empty() || uri.path.front() != u'/')) std::abort();
  if (!uri.path.empty() && uri.path.back() != u'/') std::abort();
  const std::u16string resolved = vorlan::http::ResolveRelativePath(u"/base/dir/", uri.path);
  if (resolved.empty() || resolved.front() != u'/' || resolved.back() != u'/') std::abort();
  return 0;
}
