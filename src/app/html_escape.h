#pragma once

#include <string>
#include <string_view>

namespace vorlan::app {

// & < > " ' as &amp; &lt; &gt; &quot; &#39;; everything else unchanged.
std::u16string HtmlEscape(std::u16string_view text);
// The same, appended to `out`.
void AppendHtmlEscaped(std::u16string& out, std::u16string_view text);

// A player frame address fit for the page: escaped when it starts with
// "http://" or "https://" (letter case ignored), otherwise "about:blank",
// so a catalogue entry cannot run script in the local page.
std::u16string FrameSourceAddress(std::u16string_view url);
void AppendFrameSourceAddress(std::u16string& out, std::u16string_view url);

}  // namespace vorlan::app
