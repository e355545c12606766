// The reader on a whole file, and the code-page conversion of a whole record.
#include <benchmark/benchmark.h>

#include <string>

#include "model/code_page.h"
#include "model/config_file_reader.h"
#include "model/config_file_writer.h"

namespace qx {
namespace {

// Every field filled, as a camera set up for five receivers would have it.
SettingsRecord fullRecord(std::string_view accent) {
    SettingsRecord record;
    record.URL = "http://mms.tim.it/servlets/mms";
    record.APN = "unico.tim.it";
    record.IP = "213.230.130.89";
    record.Port = "80";
    record.Phone1 = "+39 333 1234567";
    record.Phone2 = "+39 333 2345678";
    record.Phone3 = "+39 333 3456789";
    record.Phone4 = "+39 333 4567890";
    record.Phone5 = "+39 333 5678901";
    record.Email1 = "one@example.it";
    record.Email2 = "two@example.it";
    record.Email3 = "three@example.it";
    record.Email4 = "four@example.it";
    record.Email5 = "five@example.it";
    record.Server = "smtp.example.it";
    record.ePort = "25";
    record.Sender = std::string(accent) + "camera@example.it";
    record.Password = std::string(accent) + "pass word";
    return record;
}

void BM_ReadFile(benchmark::State& state) {
    const std::string bytes = encodeConfigurationFile(fullRecord(""), 1252).value();
    for (auto _ : state) benchmark::DoNotOptimize(parseConfigurationFile(bytes, 1252));
}
BENCHMARK(BM_ReadFile);

void encodeRecord(benchmark::State& state, std::string_view accent, unsigned codePage) {
    const SettingsRecord record = fullRecord(accent);
    if (!encodeConfigurationFile(record, codePage)) {
        state.SkipWithError("the record does not fit the code page");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(encodeConfigurationFile(record, codePage));
}
BENCHMARK_CAPTURE(encodeRecord, ascii_1252, "", 1252)->Name("BM_EncodeRecord/ascii_1252");
BENCHMARK_CAPTURE(encodeRecord, latin_1252, "é", 1252)->Name("BM_EncodeRecord/latin_1252");
BENCHMARK_CAPTURE(encodeRecord, chinese_936, "相机", 936)->Name("BM_EncodeRecord/chinese_936");

}  // namespace
}  // namespace qx
