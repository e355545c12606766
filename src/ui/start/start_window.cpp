#include "ui/start/start_window.h"

#include "ui/start/language_texts.h"
#include "ui/start/start_layout.h"

namespace qx {
namespace {

constexpr std::string_view kChinese = "中文";
constexpr std::string_view kEnglish = "English";
constexpr std::string_view kModelName = "QX730";

}  // namespace

Form1::Form1(Platform& platform, StartWindowHost& host) : WindowController(startWindowLayout(), platform), host_(host) {}

void Form1::load() {
    LanguageCode = "2";
    model_.setText("Label5", std::string(kLinkCaption));
    platform_.moveWindow(*this, WindowPosition{kStartWindowLeft, kStartWindowTop});
    model_.setEnabled("Combo1", false);
    model_.setEnabled("Combo2", false);
    model_.setKeyPreview(true);
}

void Form1::selectorStep(std::string_view control) {
    if (control == "Combo1") languageChosen();
}

void Form1::clicked(std::string_view control) {
    if (control == "Label5") followLink();
}

void Form1::followLink() {
    platform_.hideWindow(*this);
    host_.showSettingsWindow();
}

void Form1::languageChosen() {
    const std::string& language = model_.text("Combo1");
    if (language == kChinese) {
        LanguageCode = "1";
    } else if (language == kEnglish) {
        LanguageCode = "2";
    }
    // Any other entry keeps the code it had: no code was ever settled for the other languages.
    const long code = std::stol(LanguageCode);
    const std::optional<std::string_view> caption = languageText(code * 100 + 1);
    const std::optional<std::string_view> label = languageText(code * 100 + 2);
    if (!caption || !label) return;
    model_.setCaption(std::string(*caption));
    model_.setText("Label2", std::string(*label));
}

void Form1::textChanged(std::string_view control) {
    if (control == "Combo2" && model_.text("Combo2") != kModelName) model_.setText("Combo2", std::string(kModelName));
}

}  // namespace qx
