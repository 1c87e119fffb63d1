// A catalogue answer of 10 000 entries through reading, records and page
// building, beside RapidJSON's DOM parse of the same text. Prints the ratio
// of the two mean times at the end.
#include <benchmark/benchmark.h>
#include <rapidjson/document.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/build_config.h"
#include "app/json_reader.h"
#include "app/result_page.h"
#include "app/video_records.h"
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
    benchmark::DoNotOptimize(lines.data());
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

// Collects each benchmark's CPU time per iteration (steadier than wall time
// on a shared machine) while printing as usual.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  double Time(const std::string& name) const {
    const auto it = times_.find(name);
    return it == times_.end() ? 0 : it->second;
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double lookup = reporter.Time("BM_LookupReadAndPage");
  const double reading = reporter.Time("BM_LookupReadOnly");
  const double rapidjson = reporter.Time("BM_RapidJsonDom");
  if (lookup > 0 && reading > 0 && rapidjson > 0) {
    std::printf("CPU time ratio, lookup (read + records + page) / RapidJSON DOM parse: %.2f\n", lookup / rapidjson);
    std::printf("CPU time ratio, JSON reading alone / RapidJSON DOM parse: %.2f\n", reading / rapidjson);
  }
  benchmark::Shutdown();
  return 0;
}
