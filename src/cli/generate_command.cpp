#include "cli/generate_command.h"

#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "catalogue/operator_catalogue.h"
#include "cli/country_choice.h"
#include "cli/exit_status.h"
#include "model/config_file_writer.h"
#include "model/settings_record.h"
#include "ui/headless_platform.h"
#include "ui/settings/preset_steps.h"
#include "ui/start/application.h"

namespace qx::cli {
namespace {

// The window says nothing else when the file was written; any other last message is the
// writer's error.
constexpr std::string_view kSuccessMessage = "Create configure file success.";

constexpr std::array<SettingsField, 5> kPhoneFields{&SettingsRecord::Phone1, &SettingsRecord::Phone2,
                                                     &SettingsRecord::Phone3, &SettingsRecord::Phone4,
                                                     &SettingsRecord::Phone5};
constexpr std::array<SettingsField, 5> kEmailFields{&SettingsRecord::Email1, &SettingsRecord::Email2,
                                                     &SettingsRecord::Email3, &SettingsRecord::Email4,
                                                     &SettingsRecord::Email5};

std::string_view controlOf(SettingsField field) { return bindingOf(field).control; }

std::string prefixed(std::string_view text) { return std::string(kProgramName) + ": " + std::string(text) + "\n"; }

// Every value of the request with the option that gave it, for the one check they share.
struct NamedValue {
    std::string_view option;
    const std::string* value;
};

std::vector<NamedValue> typedValues(const GenerateRequest& request) {
    std::vector<NamedValue> values{
        {"--apn", &request.apn},
        {"--url", &request.url},
        {"--ip", &request.ip},
        {"--port", &request.port},
        {"--smtp-server", &request.smtpServer},
        {"--smtp-port", &request.smtpPort},
        {"--sender", &request.sender},
        {"--password", &request.password},
        {"PATH", &request.path},
    };
    for (const std::string& phone : request.phones) values.push_back({"--phone", &phone});
    for (const std::string& email : request.emails) values.push_back({"--email", &email});
    if (request.country) values.push_back({"--country", &*request.country});
    if (request.operatorName) values.push_back({"--operator", &*request.operatorName});
    return values;
}

// The window's fields hold one line each; a line break would also break the file's layout.
Result<void> checkSingleLines(const GenerateRequest& request) {
    for (const NamedValue& named : typedValues(request)) {
        if (named.value->find_first_of("\r\n") != std::string::npos) {
            return Error{"the value of " + std::string(named.option) +
                         " holds a line break, but every field of the window holds a single line"};
        }
    }
    return {};
}

// The country's step as the window runs it: picked from the "Country" list when the list offers
// the name, otherwise typed into the selector, whose step then runs on the typed text.
void chooseCountry(Form5& window, const std::string& country) {
    if (window.pickItem("Combo3", country)) return;
    window.textEdited("Combo3", country);
    countryChosen(window.model());
}

void typeInto(Form5& window, SettingsField field, const std::string& text) {
    window.textEdited(controlOf(field), text);
}

}  // namespace

std::string pathFieldText(const std::string& path) {
    std::error_code ignored;
    const std::filesystem::path native(std::u8string(path.begin(), path.end()));
    if (!path.empty() && path.back() != kNativeSeparator && std::filesystem::is_directory(native, ignored)) {
        return path + kNativeSeparator;
    }
    return path;
}

int generateConfiguration(const GenerateRequest& request, const Terminal& terminal) {
    if (Result<void> lines = checkSingleLines(request); !lines) {
        terminal.err(prefixed(lines.error().message));
        return kUserError;
    }
    std::optional<OperatorChoice> choice;
    if (request.country) {
        Result<OperatorChoice> chosen = chooseOperator(*request.country, request.operatorName);
        if (!chosen) {
            terminal.err(prefixed(chosen.error().message));
            return kUserError;
        }
        choice = chosen.value();
    }

    HeadlessPlatform platform;
    Application application(platform);
    application.start();
    application.startWindow().clicked("Label5");
    Form5& window = *application.settingsWindow();

    if (choice) {
        chooseCountry(window, *request.country);
        if (choice->givenByUser && !window.pickItem("Combo4", choice->operatorName)) {
            terminal.err(prefixed("the \"Operators\" list does not offer \"" + choice->operatorName + "\""));
            return kUserError;
        }
        if (findPreset(*request.country, choice->operatorName) == nullptr) {
            terminal.err(prefixed("warning: the catalogue has no preset for \"" + choice->operatorName + "\" of \"" +
                                  *request.country + "\", so the MMS fields stay empty"));
        }
    }
    if (request.manual) {
        window.pickItem("Combo2", "Manual");
        typeInto(window, &SettingsRecord::APN, request.apn);
        typeInto(window, &SettingsRecord::URL, request.url);
        typeInto(window, &SettingsRecord::IP, request.ip);
        typeInto(window, &SettingsRecord::Port, request.port);
    }
    for (std::size_t i = 0; i < request.phones.size() && i < kPhoneFields.size(); ++i) {
        typeInto(window, kPhoneFields[i], request.phones[i]);
    }
    for (std::size_t i = 0; i < request.emails.size() && i < kEmailFields.size(); ++i) {
        typeInto(window, kEmailFields[i], request.emails[i]);
    }
    typeInto(window, &SettingsRecord::Server, request.smtpServer);
    typeInto(window, &SettingsRecord::ePort, request.smtpPort);
    typeInto(window, &SettingsRecord::Sender, request.sender);
    typeInto(window, &SettingsRecord::Password, request.password);
    window.textEdited("Text17", pathFieldText(request.path));

    window.clicked("Command2");

    const std::vector<std::string>& messages = platform.messages;
    for (std::size_t i = 0; i + 1 < messages.size(); ++i) terminal.err(prefixed("warning: " + messages[i]));
    if (!messages.empty() && messages.back() == kSuccessMessage) {
        terminal.out(messages.back() + "\n");
        return kSuccess;
    }
    terminal.err(prefixed(messages.empty() ? std::string("\"Generate\" said nothing") : messages.back()));
    return kUserError;
}

}  // namespace qx::cli
