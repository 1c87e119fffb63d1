// A catalogue answer of 10 000 entries through reading, records and page
// building, beside RapidJSON's DOM parse of the same text. Prints the ratio
// of the two mean times at the end.
#include <benchmark/benchmark.h>
#include <rapidjson/document.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/build_config.h"
#include "app/json_reader.h"
#include "app/result_page.h"
#include "app/video_records.h"
#include "common/ratio_reporter.h"
#include "platform/text.h"

namespace {

constexpr int kEntries = 10000;

std::u16string CatalogueAnswer() {
  // The players live on the catalogue's host, as the stand-in catalogue serves them.
  const std::string player = std::string("http://") + vorlan::app::build_config::kCatalogueHost + "/serial/";
  std::string json = "[";
  for (int i = 0; i < kEntries; ++i) {
    if (i != 0) json += ",";
    const std::string token = "0123456789abcdef0123456789ab" + std::to_string(1000 + i % 9000);
    json += "{\"title_ru\":\"Теория Большого взрыва " + std::to_string(i) +
            "\",\"title_en\":\"The Big Bang Theory\",\"token\":\"" + token +
            "\",\"type\":\"serial\",\"kinopoisk_id\":306084,\"translator\":\"Кураж-Бамбей\",\"translator_id\":" +
            std::to_string(i % 50) + ",\"iframe_url\":\"" + player + token +
            "/iframe\",\"seasons_count\":" + std::to_string(1 + i % 12) +
            ",\"episodes_count\":" + std::to_string(i % 300) +
            ",\"category\":null,\"last_episode_time\":\"2015-11-23 22:07:56\"}";
  }
  json += "]";
  return vorlan::platform::Utf8ToUtf16(json);
}

const std::u16string& Answer() {
  static const std::u16string answer = CatalogueAnswer();
  return answer;
}

void BM_LookupReadAndPage(benchmark::State& state) {
  for (auto _ : state) {
    const vorlan::app::TVideoList videos = vorlan::app::ReadVideoList(Answer(), u'.');
    vorlan::app::TPageLines lines;
    vorlan::app::BuildResultPage(videos, lines, u"vorlantv.example");
    benchmark::DoNotOptimize(lines.size());
  }
}
BENCHMARK(BM_LookupReadAndPage)->Unit(benchmark::kMillisecond);

void BM_LookupReadOnly(benchmark::State& state) {
  for (auto _ : state) {
    const auto value = vorlan::app::ParseJson(Answer());
    if (!value) state.SkipWithError("the answer did not parse");
    benchmark::DoNotOptimize(value->AsArray().size());
  }
}
BENCHMARK(BM_LookupReadOnly)->Unit(benchmark::kMillisecond);

void BM_RapidJsonDom(benchmark::State& state) {
  const std::string utf8 = vorlan::platform::Utf16ToUtf8(Answer());
  for (auto _ : state) {
    rapidjson::Document document;
    document.Parse(utf8.c_str(), utf8.size());
    if (document.HasParseError() || !document.IsArray()) state.SkipWithError("RapidJSON refused the answer");
    benchmark::DoNotOptimize(document.Size());
  }
}
BENCHMARK(BM_RapidJsonDom)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  bench::RatioReporter reporter(bench::RatioReporter::Clock::Cpu);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("CPU time ratio, lookup (read + records + page) / RapidJSON DOM parse", "BM_LookupReadAndPage",
                      "BM_RapidJsonDom");
  reporter.PrintRatio("CPU time ratio, JSON reading alone / RapidJSON DOM parse", "BM_LookupReadOnly",
                      "BM_RapidJsonDom");
  benchmark::Shutdown();
  return 0;
}
