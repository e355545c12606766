#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include <sstream>

#include "cli/catalogue_commands.h"
#include "cli/country_choice.h"
#include "cli/exit_status.h"
#include "cli/generate_command.h"
#include "cli/password_file.h"
#include "cli/show_command.h"

namespace qx::cli {
namespace {

constexpr std::size_t kFieldsPerColumn = 5;

// A repeatable option that takes exactly one value each time, so that a value after it is
// never swallowed as a second one.
CLI::Option* addRepeated(CLI::App& command, const std::string& name, std::vector<std::string>& values,
                         const std::string& description) {
    return command.add_option(name, values, description)->expected(1)->allow_extra_args(false)->take_all();
}

std::string usageHint(const CLI::App& app) {
    std::string command(kProgramName);
    for (const CLI::App* sub : app.get_subcommands()) command += " " + sub->get_name();
    return "\"" + command + " --help\" shows the usage";
}

int usageError(const Terminal& terminal, const CLI::App& app, const std::string& message) {
    terminal.err(std::string(kProgramName) + ": " + message + "; " + usageHint(app) + "\n");
    return kUsageError;
}

int userError(const Terminal& terminal, const Error& error) {
    terminal.err(std::string(kProgramName) + ": " + error.message + "\n");
    return kUserError;
}

}  // namespace

int runCommandLine(const std::vector<std::string>& arguments, const Terminal& terminal) {
    CLI::App app{"Writes and checks MMS.INI, the configuration file of the QX410 2G camera, exactly as the "
                 "settings window of qx410-setup does.",
                 std::string(kProgramName)};
    app.set_version_flag("--version", std::string(kProgramName) + " " + QX_VERSION);
    app.require_subcommand(1);

    GenerateRequest request;
    std::optional<std::string> passwordFile;
    CLI::App* generate = app.add_subcommand(
        "generate",
        "Write MMS.INI as the settings window's \"Generate\" does, after the same picks and typing. "
        "The warnings \"Need Phone Number Input\" and \"Need Email Input\" go to standard error.");
    generate
        ->add_option("PATH", request.path,
                     "The window's Path text. An existing folder, with or without a final separator, is the "
                     "folder to write into; any other text is a file name whose folder is used, as in the window "
                     "(\"card/NET.CFG\" writes card/MMS.INI).")
        ->required();
    CLI::Option* country = generate->add_option(
        "--country", request.country,
        "Pick this country in \"Country\" (Auto mode): any country of \"qx410-ini countries --all\", not only the "
        "35 that the window's list offers. It shows the country's default operator and writes its preset.");
    CLI::Option* operatorName =
        generate
            ->add_option("--operator", request.operatorName,
                         "Then pick this operator in \"Operators\"; one of \"qx410-ini operators COUNTRY\". "
                         "Needed for a country without a default operator.")
            ->needs(country);
    CLI::Option* manual =
        generate->add_flag("--manual", request.manual, "Choose the \"Manual\" setting mode and type the MMS fields.")
            ->excludes(country)
            ->excludes(operatorName);
    generate->add_option("--apn", request.apn, "APN, typed in Manual mode")->needs(manual);
    generate->add_option("--url", request.url, "MMS centre URL, typed in Manual mode")->needs(manual);
    generate->add_option("--ip", request.ip, "MMS proxy IP address, typed in Manual mode")->needs(manual);
    generate->add_option("--port", request.port, "MMS proxy port, typed in Manual mode")->needs(manual);
    addRepeated(*generate, "--phone", request.phones, "Phone 1 to Phone 5: up to five times, in order");
    addRepeated(*generate, "--email", request.emails, "Email 1 to Email 5: up to five times, in order");
    generate->add_option("--smtp-server", request.smtpServer, "The mail server");
    generate->add_option("--smtp-port", request.smtpPort, "The mail server's port");
    generate->add_option("--sender", request.sender, "The e-mail address the camera sends from");
    CLI::Option* password = generate->add_option(
        "--password", request.password, "The mail account's password (visible to other users in the process list)");
    generate
        ->add_option("--password-file", passwordFile,
                     "Take the password from the first line of this file; \"-\" reads standard input")
        ->excludes(password);

    std::string showFile;
    bool showJson = false;
    CLI::App* show = app.add_subcommand(
        "show", "Print the values of a file in the MMS.INI layout, read by line position as the window's reader does");
    show->add_option("FILE", showFile, "The file to read, for example the card's MMS.INI")->required();
    show->add_flag("--json", showJson, "One JSON object keyed by the field names (URL, APN, ..., Password)");

    bool allCountries = false;
    CLI::App* countries = app.add_subcommand("countries", "List the 35 countries of the window's \"Country\" list");
    countries->add_flag("--all", allCountries, "List every country of the catalogue's operator list");

    std::string operatorsCountry;
    CLI::App* operators = app.add_subcommand(
        "operators", "List a country's operators in the order of the \"Operators\" list; \"*\" marks the default");
    operators->add_option("COUNTRY", operatorsCountry, "Any country of \"qx410-ini countries --all\"")->required();

    std::string presetCountry;
    std::optional<std::string> presetOperator;
    bool presetJson = false;
    CLI::App* preset = app.add_subcommand(
        "preset", "Print the preset that picking the country (and operator) writes into the window");
    preset->add_option("COUNTRY", presetCountry, "Any country of \"qx410-ini countries --all\"")->required();
    preset->add_option("OPERATOR", presetOperator, "One of the country's operators; default: its default operator");
    preset->add_flag("--json", presetJson, "One JSON object; a field the preset lacks is null");

    bool presetsJson = false;
    CLI::App* presets = app.add_subcommand("presets", "Print every preset of the catalogue in its stored order");
    presets->add_flag("--json", presetsJson,
                      "A JSON array: country, operator key (null for a country-wide preset), for a country-wide "
                      "preset the one name the operator list offers (listedOperator), and the preset's fields");

    // CLI11 would only say that a command is missing; a mistyped one deserves its name.
    if (!arguments.empty() && !arguments.front().starts_with("-") &&
        app.get_subcommands([&](const CLI::App* sub) { return sub->get_name() == arguments.front(); }).empty()) {
        return usageError(terminal, app,
                          "there is no command \"" + arguments.front() +
                              "\"; the commands are generate, show, countries, operators, preset and presets");
    }

    std::vector<const char*> argv{kProgramName.data()};
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::Error& error) {
        if (error.get_exit_code() == 0) {
            std::ostringstream out;
            std::ostringstream ignored;
            app.exit(error, out, ignored);
            terminal.out(out.str());
            return kSuccess;
        }
        return usageError(terminal, app, error.what());
    }

    if (generate->parsed()) {
        if (request.phones.size() > kFieldsPerColumn) {
            return usageError(terminal, app, "--phone: at most five phone numbers, one for each of Phone 1 to Phone 5");
        }
        if (request.emails.size() > kFieldsPerColumn) {
            return usageError(terminal, app, "--email: at most five e-mail addresses, one for each of Email 1 to Email 5");
        }
        if (passwordFile) {
            Result<std::string> text = readPasswordFile(*passwordFile, terminal);
            if (!text) return userError(terminal, text.error());
            request.password = std::move(text).value();
        }
        return generateConfiguration(request, terminal);
    }
    if (show->parsed()) return showConfiguration(showFile, showJson, terminal);
    if (countries->parsed()) return listCountries(allCountries, terminal);
    if (operators->parsed()) return listOperators(operatorsCountry, terminal);
    if (preset->parsed()) return showPreset(presetCountry, presetOperator, presetJson, terminal);
    if (presets->parsed()) return listPresets(presetsJson, terminal);
    return usageError(terminal, app, "no command given");
}

}  // namespace qx::cli
