// The two lookups: whole-text, exact, case-sensitive matching, country-wide presets that ignore the
// operator, answers that point into the stored tables, and the cases the settings window meets.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/operator_catalogue.h"
#include "preset_rows.h"

namespace qx {
namespace {

using test::labelOf;

struct CountryCase {
    std::string_view text;
    bool found;

    friend std::ostream& operator<<(std::ostream& out, const CountryCase& c) {
        return out << "[" << c.text << "]";
    }
};

class FindCountryMatching : public ::testing::TestWithParam<CountryCase> {};

TEST_P(FindCountryMatching, MatchesTheWholeTextExactly) {
    const CountryCase& c = GetParam();
    const CountryOperators* entry = findCountry(c.text);
    if (!c.found) {
        EXPECT_EQ(entry, nullptr) << "[" << c.text << "] matched " << entry->country;
        return;
    }
    ASSERT_NE(entry, nullptr) << "[" << c.text << "]";
    EXPECT_EQ(entry->country, c.text);
    const auto lists = OperatorCatalogue::operatorLists();
    EXPECT_TRUE(entry >= lists.data() && entry < lists.data() + lists.size()) << "not an entry of the stored table";
}

INSTANTIATE_TEST_SUITE_P(Texts, FindCountryMatching,
                         ::testing::Values(CountryCase{"Germany", true}, CountryCase{"germany", false},
                                           CountryCase{"GERMANY", false}, CountryCase{"Germany ", false},
                                           CountryCase{" Germany", false}, CountryCase{"Germ", false},
                                           CountryCase{"Germanyy", false}, CountryCase{"", false},
                                           CountryCase{" ", false}, CountryCase{"Hong Kong(China)", true},
                                           CountryCase{"Hong Kong (China)", false},
                                           CountryCase{"Antigua&Barbuda", true},
                                           CountryCase{"Antigua & Barbuda", false},
                                           CountryCase{"Sanit Vincent and the Grenadines", true},
                                           CountryCase{"Saint Vincent and the Grenadines", false},
                                           CountryCase{"Moldova", true}, CountryCase{"Moldva", false},
                                           CountryCase{"Yugoslavia", true}, CountryCase{"Albania", true}));

struct PresetCase {
    std::string_view country;
    std::string_view operatorName;
    std::string_view expected;  // "country / key" of the stored preset, "*" for country-wide, or "none"

    friend std::ostream& operator<<(std::ostream& out, const PresetCase& c) {
        return out << "[" << c.country << "] [" << c.operatorName << "]";
    }
};

class FindPresetMatching : public ::testing::TestWithParam<PresetCase> {};

TEST_P(FindPresetMatching, FindsTheStoredPresetOfTheExactKeys) {
    const PresetCase& c = GetParam();
    EXPECT_EQ(labelOf(findPreset(c.country, c.operatorName)), c.expected)
        << "[" << c.country << "] [" << c.operatorName << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FindPresetMatching,
    ::testing::Values(
        PresetCase{"Germany", "T-Mobile", "Germany / T-Mobile"}, PresetCase{"Germany", "t-mobile", "none"},
        PresetCase{"Germany", "T-MOBILE", "none"}, PresetCase{"Germany", "T-Mobile ", "none"},
        PresetCase{"Germany", " T-Mobile", "none"}, PresetCase{"Germany", "T-Mob", "none"},
        PresetCase{"Germany", "", "none"}, PresetCase{"germany", "T-Mobile", "none"},
        PresetCase{"Germany ", "T-Mobile", "none"}, PresetCase{"Germ", "T-Mobile", "none"},
        PresetCase{"Croat", "", "none"}, PresetCase{"Croatiaa", "VIPNet", "none"}, PresetCase{" Croatia", "", "none"},
        PresetCase{"", "T-Mobile", "none"}, PresetCase{"", "", "none"},
        PresetCase{"Germany", "T -Mobile(Prepaid)", "Germany / T -Mobile(Prepaid)"},
        PresetCase{"Germany", "T-Mobile(Prepaid)", "none"}, PresetCase{"Germany", "O2(Vertrag)", "none"},
        PresetCase{"Germany", "O2", "Germany / O2"}, PresetCase{"Germany", "O2(Prepaid)", "Germany / O2(Prepaid)"},
        PresetCase{"Croatia", "VIPNet", "Croatia / *"}, PresetCase{"Croatia", "", "Croatia / *"},
        PresetCase{"Croatia", "Vodafone", "Croatia / *"}, PresetCase{"croatia", "VIPNet", "none"},
        PresetCase{"Moldva", "MoldCell", "Moldva / *"}, PresetCase{"Moldova", "MoldCell", "none"},
        PresetCase{"Saint Vincent and the Grenadines", "", "Saint Vincent and the Grenadines / *"},
        PresetCase{"Sanit Vincent and the Grenadines", "Cable and wireless", "none"},
        PresetCase{"Jamaica", "Cable and wireless", "Jamaica / Cable and wireless"},
        PresetCase{"Jamaica", "Cable and Wireless", "none"},
        PresetCase{"Antigua&Barbuda", "Cable and Wireless", "Antigua&Barbuda / Cable and Wireless"},
        PresetCase{"Antigua&Barbuda", "Cable and wireless", "none"}, PresetCase{"Jamaica", "Digicel", "none"},
        PresetCase{"Estonia", "Tele 2", "Estonia / Tele 2"}, PresetCase{"Estonia", "TELE2", "none"},
        PresetCase{"Russia", "TELE2", "Russia / TELE2"}, PresetCase{"Russia", "Tele2", "none"},
        PresetCase{"Sweden", "Tele2", "Sweden / Tele2"}, PresetCase{"Sweden", "Tele 2", "none"},
        PresetCase{"France", "SFR (forfait bloqu\xC3\xA9)", "France / SFR (forfait bloqu\xC3\xA9)"},
        PresetCase{"France", "SFR (forfait bloque)", "none"},
        PresetCase{"Morocco", "MarcoTelecom", "Morocco / MarcoTelecom"}, PresetCase{"Morocco", "MarocTelecom", "none"},
        PresetCase{"Thailand", "DTAC", "Thailand / DTAC"}, PresetCase{"Thailand", "DATC", "none"},
        PresetCase{"Hong Kong(China)", "Sunday", "Hong Kong(China) / Sunday"},
        PresetCase{"Uzbekistan", "Unitel", "Uzbekistan / Unitel"}, PresetCase{"Uzbekistan", "", "none"},
        PresetCase{"Australia", "Three", "none"}, PresetCase{"Russia", "YOTA", "Russia / YOTA"}));

TEST(CatalogueLookup, EveryStoredCountryFindsItsOwnEntry) {
    for (const CountryOperators& entry : OperatorCatalogue::operatorLists()) {
        EXPECT_EQ(findCountry(entry.country), &entry) << entry.country;
    }
}

TEST(CatalogueLookup, EveryStoredKeyFindsItsOwnPreset) {
    for (const CountryPresets& entry : OperatorCatalogue::presetTable()) {
        if (entry.isCountryWide()) {
            EXPECT_EQ(findPreset(entry.country, ""), &*entry.countryWide) << entry.country;
        }
        for (const OperatorPresetPair& pair : entry.perOperator) {
            EXPECT_EQ(findPreset(entry.country, pair.operatorName), &pair.preset)
                << entry.country << " / " << pair.operatorName;
        }
    }
}

TEST(CatalogueLookup, CountryWidePresetIgnoresTheOperatorText) {
    std::vector<std::string> operatorTexts = {"", " ", "?", "operator of no country", "T-Mobile", "Vodafone"};
    for (const CountryOperators& entry : OperatorCatalogue::operatorLists()) {
        operatorTexts.insert(operatorTexts.end(), entry.operators.begin(), entry.operators.end());
    }
    std::size_t countryWide = 0;
    for (const CountryPresets& entry : OperatorCatalogue::presetTable()) {
        if (!entry.isCountryWide()) {
            continue;
        }
        ++countryWide;
        for (const std::string& text : operatorTexts) {
            ASSERT_EQ(findPreset(entry.country, text), &*entry.countryWide) << entry.country << " [" << text << "]";
        }
    }
    EXPECT_EQ(countryWide, 38u);
}

TEST(CatalogueLookup, PerOperatorCountryWithoutTheOperatorFindsNothing) {
    for (const CountryPresets& entry : OperatorCatalogue::presetTable()) {
        if (entry.isCountryWide()) {
            continue;
        }
        for (const std::string_view text : {"", " ", "operator of no country"}) {
            EXPECT_EQ(findPreset(entry.country, text), nullptr) << entry.country << " [" << text << "]";
        }
        // A key of one country does not reach into another country's entry.
        const std::string_view firstKey = entry.perOperator.front().operatorName;
        EXPECT_EQ(findPreset("no such country", firstKey), nullptr) << firstKey;
    }
}

// The operator lists offer names that the preset table lacks, and the preset table holds keys that
// no list offers; each lookup answers from its own table only.
TEST(CatalogueLookup, EachLookupAnswersFromItsOwnTable) {
    struct Case {
        std::string_view country;
        std::string_view operatorName;
        bool listOffers;
        bool presetFound;
    };
    const Case cases[] = {
        {"Australia", "Three", true, false},
        {"Germany", "O2(Vertrag)", true, false},
        {"Germany", "T-Mobile(Prepaid)", true, false},
        {"Morocco", "MarocTelecom", true, false},
        {"Thailand", "DATC", true, false},
        {"Moldova", "MoldCell", true, false},
        {"Montserrat", "Cable and wireless", true, false},
        {"Sanit Vincent and the Grenadines", "Cable and wireless", true, false},
        {"Germany", "O2", false, true},
        {"Germany", "T -Mobile(Prepaid)", false, true},
        {"Hong Kong(China)", "Sunday", false, true},
        {"Morocco", "MarcoTelecom", false, true},
        {"Russia", "YOTA", false, true},
        {"Thailand", "DTAC", false, true},
        {"Uzbekistan", "Unitel", false, true},
    };
    for (const Case& c : cases) {
        const CountryOperators* list = findCountry(c.country);
        ASSERT_NE(list, nullptr) << c.country;
        const bool offered = std::find(list->operators.begin(), list->operators.end(), c.operatorName) !=
                             list->operators.end();
        EXPECT_EQ(offered, c.listOffers) << c.country << " / " << c.operatorName;
        EXPECT_EQ(findPreset(c.country, c.operatorName) != nullptr, c.presetFound)
            << c.country << " / " << c.operatorName;
    }
    for (const std::string_view presetOnly : {"Moldva", "Saint Vincent and the Grenadines"}) {
        EXPECT_EQ(findCountry(presetOnly), nullptr) << presetOnly;
        EXPECT_NE(findPreset(presetOnly, ""), nullptr) << presetOnly;
    }
}

// ---------------------------------------------------------------------------------------------
// What choosing a country from the settings window leads to: its list, its default operator, and
// the preset looked up for that default.

const OperatorPreset* presetOfDefault(std::string_view country) {
    const CountryOperators* entry = findCountry(country);
    if (entry == nullptr) {
        return nullptr;
    }
    return findPreset(country, entry->defaultOperator.value_or(""));
}

TEST(CatalogueLookup, EverySelectorCountryButGermanyAndRussiaYieldsAPresetForItsDefault) {
    for (const std::string_view country : OperatorCatalogue::countrySelectorItems()) {
        const CountryOperators* entry = findCountry(country);
        ASSERT_NE(entry, nullptr) << country;
        if (country == "Germany" || country == "Russia") {
            EXPECT_FALSE(entry->defaultOperator.has_value()) << country;
            EXPECT_EQ(presetOfDefault(country), nullptr) << country;
        } else {
            EXPECT_NE(presetOfDefault(country), nullptr) << country;
        }
    }
}

TEST(CatalogueLookup, CanadaDefaultsToRogerAndItsPreset) {
    const CountryOperators* canada = findCountry("Canada");
    ASSERT_NE(canada, nullptr);
    EXPECT_EQ(canada->defaultOperator, std::optional<std::string_view>("Roger"));
    EXPECT_EQ(labelOf(presetOfDefault("Canada")), "Canada / Roger");
    EXPECT_EQ(presetOfDefault("Canada")->url.substr(0, 7), "http://");
}

TEST(CatalogueLookup, SlovakiaDefaultsToTMobileOnPort8080) {
    EXPECT_EQ(findCountry("Slovakia")->defaultOperator, std::optional<std::string_view>("T-Mobile"));
    ASSERT_EQ(labelOf(presetOfDefault("Slovakia")), "Slovakia / T-Mobile");
    EXPECT_EQ(presetOfDefault("Slovakia")->port, "8080");
}

TEST(CatalogueLookup, AustraliaDefaultsToOptusOnPort8070) {
    ASSERT_EQ(labelOf(presetOfDefault("Australia")), "Australia / Optus");
    EXPECT_EQ(presetOfDefault("Australia")->port, "8070");
}

TEST(CatalogueLookup, SingleOperatorCountriesWriteTheirCountryWidePresetAtOnce) {
    for (const std::string_view country : {"Croatia", "Ireland", "Lithuania", "New Zealand"}) {
        EXPECT_EQ(labelOf(presetOfDefault(country)), std::string(country) + " / *");
    }
}

TEST(CatalogueLookup, GermanTMobileHasAnAccountAndPort8008AndO2PrepaidPort8080) {
    const OperatorPreset* tMobile = findPreset("Germany", "T-Mobile");
    ASSERT_NE(tMobile, nullptr);
    EXPECT_EQ(tMobile->port, "8008");
    ASSERT_TRUE(tMobile->account.has_value());
    ASSERT_TRUE(tMobile->password.has_value());
    EXPECT_EQ(tMobile->account->size(), 2u);
    EXPECT_EQ(tMobile->password->size(), 7u);

    const OperatorPreset* o2Prepaid = findPreset("Germany", "O2(Prepaid)");
    ASSERT_NE(o2Prepaid, nullptr);
    EXPECT_EQ(o2Prepaid->port, "8080");
    EXPECT_FALSE(o2Prepaid->account.has_value());
}

TEST(CatalogueLookup, RussianMegafonClearsAccountAndPassword) {
    const OperatorPreset* megafon = findPreset("Russia", "Megafon");
    ASSERT_NE(megafon, nullptr);
    EXPECT_EQ(megafon->account, std::optional<std::string_view>(""));
    EXPECT_EQ(megafon->password, std::optional<std::string_view>(""));
}

// Bulgaria, Chile and the United States store their pairs in another order than their lists.
TEST(CatalogueLookup, PairOrderDifferentFromTheListChangesNoResult) {
    for (const std::string_view country : {"Bulgaria", "Chile", "United States"}) {
        const CountryOperators* list = findCountry(country);
        ASSERT_NE(list, nullptr) << country;
        std::vector<std::string_view> keys;
        for (const CountryPresets& entry : OperatorCatalogue::presetTable()) {
            if (entry.country == country) {
                for (const OperatorPresetPair& pair : entry.perOperator) {
                    keys.push_back(pair.operatorName);
                }
            }
        }
        EXPECT_NE(keys, std::vector<std::string_view>(list->operators.begin(), list->operators.end())) << country;
        for (const std::string_view name : list->operators) {
            EXPECT_EQ(labelOf(findPreset(country, name)), std::string(country) + " / " + std::string(name));
        }
    }
}

}  // namespace
}  // namespace qx
