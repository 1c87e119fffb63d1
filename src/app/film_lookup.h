#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/item.h"
#include "app/page_lines.h"
#include "app/response_holder.h"

namespace vorlan::app {

// The text form of GET: the URL in, the decoded body of a 2xx response out;
// throws a vorlan::Error with the HTTP client's message on every failure.
using GetText = std::function<std::u16string(const std::u16string& url)>;

// Asks the shell to open the saved page (given by its file name). An empty
// function opens nothing.
using OpenPage = std::function<void(const std::u16string& file_name)>;

// The catalogue's access token, sent with every request.
inline constexpr char16_t kCatalogueToken[] = u"3f9a0c7d2e6b41a8950d7c3e1b2f4a6d";

struct LookupHosts {
  std::u16string catalogue;  // host[:port] of the video catalogue
  std::u16string portal;     // host[:port] of the portal, for the page's style sheets and link

  // The hosts the program was configured with.
  static LookupHosts Configured();
};

// "http://" + catalogue host + "/api/videos.json?kinopoisk_id=" + the film
// number as typed + "&api_token=" + the token. Nothing is trimmed, checked
// or escaped.
std::u16string CatalogueUrl(std::u16string_view catalogue_host, std::u16string_view film_number);

struct LookupResult {
  TVideoList videos;
  TPageLines lines;
};

// The search button's lookup: GET the catalogue's answer for the typed film
// number, keep it in `holder`, read it into video records, build the result
// page, save it as "vorlantv.html" in the current directory and open it.
// Every failure throws a vorlan::Error carrying the message the error box
// shows (before its period rule): a failed GET leaves the holder as it
// was; a bad answer or an unwritable page leaves the old page and opens
// nothing. Returns what was written, for callers that want to look at it.
LookupResult RunFilmLookup(std::u16string_view edit_text, const GetText& get, TResponseHolder& holder,
                           const LookupHosts& hosts, const OpenPage& open);

// Opens through the desktop shell ("open"), owned by `owner_window` (a
// window handle, or nullptr).
OpenPage ShellPageOpener(void* owner_window = nullptr);

}  // namespace vorlan::app
