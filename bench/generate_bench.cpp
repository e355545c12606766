// "Generate" end to end on the headless window model, beside its floor: the same bytes
// written by the same system calls (temporary file, write, fsync, rename) and nothing else.
// Between the two, the writer's own file step alone shows what the checks around the floor
// cost, so that the rest of the difference is the window and the code-page conversion.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <string>

#include "bench_disk.h"
#include "model/code_page.h"
#include "model/config_file_writer.h"
#include "model/file_system.h"
#include "ui/headless_platform.h"
#include "ui/settings/settings_fields.h"
#include "ui/start/application.h"

namespace qx {
namespace {

constexpr std::string_view kSuccess = "Create configure file success.";

// The settings window of a typical run: Italy's preset, two phones, one e-mail, the mail
// account, and the Path on the benchmark's disk.
struct TypicalWindow {
    HeadlessPlatform platform;
    Application app{platform};
    Form5* window = nullptr;

    TypicalWindow() {
        app.start();
        app.startWindow().clicked("Label5");
        window = app.settingsWindow();
        window->pickItem("Combo3", "Italy");
        window->textEdited("Text7", "+39 333 1234567");
        window->textEdited("Text8", "+39 347 7654321");
        window->textEdited("Text12", "me@example.it");
        window->textEdited("Text20", "smtp.example.it");
        window->textEdited("Text21", "25");
        window->textEdited("Text19", "camera@example.it");
        window->textEdited("Text18", "pass word");
        platform.answerFolderBrowser(bench::benchDisk().folder);
        window->clicked("Command4");
    }
};

void BM_Generate(benchmark::State& state) {
    TypicalWindow typical;
    typical.window->clicked("Command2");
    if (typical.platform.messages != std::vector<std::string>{std::string(kSuccess)}) {
        state.SkipWithError(("Generate failed: " + typical.platform.messages.back()).c_str());
        return;
    }
    for (auto _ : state) {
        typical.platform.messages.clear();
        typical.window->clicked("Command2");
    }
    state.SetLabel(bench::benchDisk().kind);
}
BENCHMARK(BM_Generate);

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void BM_GenerateRawFloor(benchmark::State& state) {
    TypicalWindow typical;
    const Result<std::string> bytes = encodeConfigurationFile(collectSettings(typical.window->model()), activeCodePage());
    const std::string target = configurationFilePath(typical.window->model().text("Text17"));
    const std::string temporary = target + ".tmp-floor";
    if (!bytes) {
        state.SkipWithError(bytes.error().message.c_str());
        return;
    }
    for (auto _ : state) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        const bool written = fd >= 0 && writeAll(fd, bytes.value()) && ::fsync(fd) == 0;
        if (fd >= 0) ::close(fd);
        if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
            state.SkipWithError("the raw write failed");
            break;
        }
    }
    state.SetLabel(bench::benchDisk().kind);
}
BENCHMARK(BM_GenerateRawFloor);

void BM_ReplaceFileAtomically(benchmark::State& state) {
    TypicalWindow typical;
    const Result<std::string> bytes = encodeConfigurationFile(collectSettings(typical.window->model()), activeCodePage());
    const std::string target = configurationFilePath(typical.window->model().text("Text17"));
    if (!bytes) {
        state.SkipWithError(bytes.error().message.c_str());
        return;
    }
    for (auto _ : state) {
        if (!replaceFileAtomically(target, bytes.value())) {
            state.SkipWithError("the replacement failed");
            break;
        }
    }
    state.SetLabel(bench::benchDisk().kind);
}
BENCHMARK(BM_ReplaceFileAtomically);

}  // namespace
}  // namespace qx
