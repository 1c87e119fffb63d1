#pragma once

#include <string>
#include <string_view>

#include "app/item.h"
#include "app/page_lines.h"

namespace vorlan::app {

// The page file, in the current directory.
inline constexpr char16_t kResultPageFileName[] = u"vorlantv.html";

// Appends the page's lines for `videos` to `lines`: the head with the
// portal's two style sheets, one block with a player frame per video, the
// portal link. Field texts are HTML-escaped and frame addresses limited to
// http and https.
void BuildResultPage(const TVideoList& videos, TPageLines& lines, std::u16string_view portal_host);

// The file's bytes: the UTF-8 byte order mark, then every line followed by
// CR LF, in UTF-8 (a lone surrogate becomes U+FFFD).
std::string ResultPageBytes(const TPageLines& lines);

// Writes the lines to `file_name` (created or truncated); throws
// platform::FileCreateError "Cannot create file "%s". %s" when it cannot.
void SaveResultPage(const TPageLines& lines, std::u16string_view file_name = kResultPageFileName);

}  // namespace vorlan::app
