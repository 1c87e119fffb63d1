#include "app/film_lookup.h"

#include <string_view>

#include "app/build_config.h"
#include "app/result_page.h"
#include "app/video_records.h"
#include "platform/locale.h"
#include "platform/shell_open.h"

namespace vorlan::app {
namespace {

std::u16string FromAscii(std::string_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

LookupHosts LookupHosts::Configured() {
  return {FromAscii(build_config::kCatalogueHost), FromAscii(build_config::kPortalHost)};
}

std::u16string CatalogueUrl(std::u16string_view catalogue_host, std::u16string_view film_number) {
  std::u16string url = u"http://";
  url += catalogue_host;
  url += u"/api/videos.json?kinopoisk_id=";
  url += film_number;
  url += u"&api_token=";
  url += kCatalogueToken;
  return url;
}

LookupResult RunFilmLookup(std::u16string_view edit_text, const GetText& get, TResponseHolder& holder,
                           const LookupHosts& hosts, const OpenPage& open) {
  const std::u16string response = get(CatalogueUrl(hosts.catalogue, edit_text));
  holder.SetText(response);
  LookupResult result;
  result.videos = ReadVideoList(holder.Text(), platform::DecimalSeparator());
  BuildResultPage(result.videos, result.lines, hosts.portal);
  SaveResultPage(result.lines);
  if (open) open(std::u16string(kResultPageFileName));
  return result;
}

OpenPage ShellPageOpener(void* owner_window) {
  return [owner_window](const std::u16string& file_name) { platform::ShellOpen(file_name, owner_window); };
}

}  // namespace vorlan::app
