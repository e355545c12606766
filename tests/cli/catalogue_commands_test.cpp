// The catalogue views of qx410-ini against the catalogue's own tables.
#include <gtest/gtest.h>

#include "catalogue/operator_catalogue.h"
#include "cli_run.h"

namespace qx {
namespace {

using test::linesOf;
using test::ProgramRun;
using test::runCli;

std::vector<std::string> strings(std::span<const std::string_view> names) { return {names.begin(), names.end()}; }

TEST(CliCatalogue, CountriesAreTheWindowsListAndAllAreTheOperatorLists) {
    const ProgramRun listed = runCli({"countries"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(linesOf(listed.out), strings(OperatorCatalogue::countrySelectorItems()));
    EXPECT_EQ(linesOf(listed.out).size(), 35u);

    const ProgramRun all = runCli({"countries", "--all"});
    EXPECT_EQ(all.exitCode, 0) << all.err;
    std::vector<std::string> expected;
    for (const CountryOperators& entry : OperatorCatalogue::operatorLists()) expected.emplace_back(entry.country);
    EXPECT_EQ(linesOf(all.out), expected);
    EXPECT_EQ(expected.size(), 99u);
}

struct OperatorsCase {
    const char* country;
    const char* listing;
};

TEST(CliCatalogue, OperatorsInDisplayOrderWithTheDefaultMarked) {
    const OperatorsCase cases[] = {
        {"Canada", "  Bell\n  Fido\n  Koodo\n* Roger\n  Telus\n"},       // a default that is not first
        {"Germany", "  O2(Prepaid)\n  O2(Vertrag)\n  T-Mobile(Prepaid)\n  T-Mobile\n  Vodafone\n"},  // none
        {"France", "* Orange\n  Bouygues\n  SFR (forfait bloqué)\n  SFR (forfait illimité)\n  Free\n"},
        {"Andorra", "* STA\n"},  // outside the window's list
    };
    for (const OperatorsCase& c : cases) {
        const ProgramRun run = runCli({"operators", c.country});
        EXPECT_EQ(run.exitCode, 0) << c.country << ": " << run.err;
        EXPECT_EQ(run.out, c.listing) << c.country;
    }
}

TEST(CliCatalogue, PresetListsEveryFieldAndMarksTheAbsentOnes) {
    const ProgramRun withAccount = runCli({"preset", "Germany", "T-Mobile"});
    EXPECT_EQ(withAccount.exitCode, 0) << withAccount.err;
    const OperatorPreset& tMobile = *findPreset("Germany", "T-Mobile");
    ASSERT_TRUE(tMobile.account && tMobile.password);
    EXPECT_EQ(withAccount.out, "Country   Germany\nOperator  T-Mobile\nAPN       " + std::string(tMobile.apn) +
                                   "\nPassword  " + std::string(*tMobile.password) + "\nAccount   " +
                                   std::string(*tMobile.account) + "\nURL       " + std::string(tMobile.url) +
                                   "\nIP        " + std::string(tMobile.ip) + "\nPort      " +
                                   std::string(tMobile.port) + "\n");

    const ProgramRun byDefault = runCli({"preset", "Canada"});
    EXPECT_EQ(byDefault.exitCode, 0) << byDefault.err;
    const OperatorPreset& roger = *findPreset("Canada", "Roger");
    ASSERT_FALSE(roger.account || roger.password);
    EXPECT_EQ(byDefault.out, "Country   Canada\nOperator  Roger\nAPN       " + std::string(roger.apn) +
                                 "\nPassword  (absent)\nAccount   (absent)\nURL       " + std::string(roger.url) +
                                 "\nIP        " + std::string(roger.ip) + "\nPort      " + std::string(roger.port) +
                                 "\n");
}

// A parsed preset object's country, operator and fields, "None" for null.
std::string fieldsOf(const nlohmann::ordered_json& object) {
    using test::textOrNone;
    const nlohmann::ordered_json& preset = object.at("preset");
    std::string text = textOrNone(object.at("country")) + "|" + textOrNone(object.at("operator")) + "\n";
    for (const char* name : {"apn", "password", "account", "url", "ip", "port"}) {
        text += std::string(name) + "=" + textOrNone(preset.at(name)) + "\n";
    }
    return text;
}

std::string fieldsOf(std::string_view country, std::string_view operatorName, const OperatorPreset& preset) {
    const auto field = [](std::optional<std::string_view> value) {
        return value ? std::string(*value) : std::string("None");
    };
    return std::string(country) + "|" + std::string(operatorName) + "\napn=" + field(preset.apn) +
           "\npassword=" + field(preset.password) + "\naccount=" + field(preset.account) + "\nurl=" + field(preset.url) +
           "\nip=" + field(preset.ip) + "\nport=" + field(preset.port) + "\n";
}

TEST(CliCatalogue, PresetJsonParsesWithNullForAnAbsentField) {
    const struct {
        const char* country;
        const char* operatorName;
    } cases[] = {{"Germany", "T-Mobile"}, {"Andorra", nullptr}, {"United States", "T-Mobile"}};
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"preset", "--json", c.country};
        if (c.operatorName != nullptr) arguments.push_back(c.operatorName);
        const ProgramRun run = runCli(arguments);
        ASSERT_EQ(run.exitCode, 0) << c.country << ": " << run.err;
        const std::string shown = c.operatorName != nullptr ? c.operatorName : std::string(*findCountry(c.country)->defaultOperator);
        EXPECT_EQ(fieldsOf(test::parsedJson(run.out)), fieldsOf(c.country, shown, *findPreset(c.country, shown)));
    }
}

// One line per parsed preset: country, operator key, the listed operator of a country-wide one
// (or "-" for a per-operator one, which has no such member), then the six fields.
std::string tableLines(const nlohmann::ordered_json& presets) {
    using test::textOrNone;
    std::string text;
    for (const nlohmann::ordered_json& entry : presets) {
        text += textOrNone(entry.at("country")) + "|" + textOrNone(entry.at("operator")) + "|" +
                (entry.contains("listedOperator") ? textOrNone(entry.at("listedOperator")) : "-");
        for (const char* name : {"apn", "password", "account", "url", "ip", "port"}) {
            text += "|" + textOrNone(entry.at("preset").at(name));
        }
        text += "\n";
    }
    return text;
}

std::string tableLine(const CountryPresets& entry, std::optional<std::string_view> operatorName,
                      const OperatorPreset& preset) {
    const auto text = [](std::optional<std::string_view> value) {
        return value ? std::string(*value) : std::string("None");
    };
    std::string listed = "-";
    if (entry.isCountryWide()) {
        const CountryOperators* list = findCountry(entry.country);
        listed = list != nullptr && list->operators.size() == 1 ? std::string(list->operators.front()) : "None";
    }
    return std::string(entry.country) + "|" + text(operatorName) + "|" + listed + "|" + text(preset.apn) + "|" +
           text(preset.password) + "|" + text(preset.account) + "|" + text(preset.url) + "|" + text(preset.ip) + "|" +
           text(preset.port) + "\n";
}

TEST(CliCatalogue, PresetsJsonIsThePresetTableInStoredOrder) {
    const ProgramRun run = runCli({"presets", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::ordered_json parsed = test::parsedJson(run.out);
    ASSERT_TRUE(parsed.is_array()) << run.out.substr(0, 200);

    std::string expected;
    std::size_t count = 0;
    for (const CountryPresets& entry : OperatorCatalogue::presetTable()) {
        if (entry.isCountryWide()) {
            expected += tableLine(entry, std::nullopt, *entry.countryWide);
            ++count;
        }
        for (const OperatorPresetPair& pair : entry.perOperator) {
            expected += tableLine(entry, pair.operatorName, pair.preset);
            ++count;
        }
    }
    EXPECT_EQ(count, 238u);
    EXPECT_EQ(tableLines(parsed), expected);
    EXPECT_NE(expected.find("Moldva|None|None|"), std::string::npos) << "a country-wide preset no list offers";
    EXPECT_NE(expected.find("Andorra|None|STA|"), std::string::npos);
}

TEST(CliCatalogue, PresetsAsTextIsOneBlockPerPreset) {
    const ProgramRun run = runCli({"presets"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::size_t blocks = 0;
    for (const std::string& line : linesOf(run.out)) blocks += line.starts_with("Country   ") ? 1 : 0;
    EXPECT_EQ(blocks, 238u);
    EXPECT_TRUE(run.out.starts_with("Country   Albania\nOperator  AMC\nAPN       mms\n")) << run.out.substr(0, 200);
    EXPECT_NE(run.out.find("\n\nCountry   Andorra\nOperator  (any)\n"), std::string::npos);
}

}  // namespace
}  // namespace qx
