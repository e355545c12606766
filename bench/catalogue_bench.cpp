// The country cascade as the user meets it, and the two catalogue lookups over every key.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "catalogue/operator_catalogue.h"
#include "ui/headless_platform.h"
#include "ui/start/application.h"

namespace qx {
namespace {

// One pick in "Country": the "Operators" list refilled, its default shown, the preset written.
void BM_CountryCascade(benchmark::State& state) {
    HeadlessPlatform platform;
    Application app(platform);
    app.start();
    app.startWindow().clicked("Label5");
    Form5& window = *app.settingsWindow();
    const std::size_t countries = window.model().control("Combo3").items.size();
    std::size_t next = 0;
    for (auto _ : state) {
        window.itemChosen("Combo3", next);
        next = next + 1 == countries ? 0 : next + 1;
    }
    benchmark::DoNotOptimize(window.model().text("Text1"));
}
BENCHMARK(BM_CountryCascade);

// One iteration looks up every country of the operator lists once.
void BM_FindCountryEveryKey(benchmark::State& state) {
    std::vector<std::string> keys;
    for (const CountryOperators& entry : OperatorCatalogue::operatorLists()) keys.emplace_back(entry.country);
    for (auto _ : state) {
        for (const std::string& key : keys) benchmark::DoNotOptimize(findCountry(key));
    }
    state.counters["keys"] = static_cast<double>(keys.size());
}
BENCHMARK(BM_FindCountryEveryKey);

// One iteration looks up every key of the preset table once: each country with each of its
// operators, and a country-wide entry with its country alone.
void BM_FindPresetEveryKey(benchmark::State& state) {
    std::vector<std::pair<std::string, std::string>> keys;
    for (const CountryPresets& entry : OperatorCatalogue::presetTable()) {
        if (entry.isCountryWide()) keys.emplace_back(entry.country, "");
        for (const OperatorPresetPair& pair : entry.perOperator) keys.emplace_back(entry.country, pair.operatorName);
    }
    for (auto _ : state) {
        for (const auto& [country, operatorName] : keys) benchmark::DoNotOptimize(findPreset(country, operatorName));
    }
    state.counters["keys"] = static_cast<double>(keys.size());
}
BENCHMARK(BM_FindPresetEveryKey);

}  // namespace
}  // namespace qx
