// Conformance of the whole catalogue: every country, name, key, order and default, the sizes that
// follow from them, the ports, accounts and empty values, the forms of the values, and each place
// where the two tables do not meet. The expected rows below are written independently of the
// catalogue's own tables, so a slip in either shows up here.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/operator_catalogue.h"
#include "preset_rows.h"

namespace qx {
namespace {

using test::allPresets;
using test::PresetRef;
using Names = std::vector<std::string_view>;
using Key = std::pair<std::string_view, std::string_view>;  // country, operator key

enum class Preset {
    SameKeys,     // a per-operator entry whose keys are the names, in their order
    CountryWide,  // one preset for the whole country
    Missing,      // the preset table lacks the country
    OwnKeys,      // a per-operator entry with the keys given in the line
};

// One line per country, in table order. A line without names is a key of the preset table only,
// standing at its place in that table.
struct Line {
    std::string_view country;
    Names names;
    Preset preset = Preset::SameKeys;
    Names keys = {};
};

const std::vector<Line>& catalogueLines() {
    static const std::vector<Line> lines = {
        {"Albania", {"AMC", "Vodafone"}},
        {"Algeria", {"Djezzy", "Nedjma"}},
        {"Andorra", {"STA"}, Preset::CountryWide},
        {"Anguilla", {"Cables and wireless"}, Preset::CountryWide},
        {"Antigua&Barbuda", {"Cable and Wireless", "Digicel"}},
        {"Argentina", {"CTI Movil", "Personal", "Unifon"}},
        {"Arub", {"Digicel", "Setar"}},
        {"Australia", {"Optus", "Telstra", "Three", "Vodafone"}, Preset::OwnKeys, {"Optus", "Telstra", "Vodafone"}},
        {"Austria", {"Drei", "MobilKom", "One", "Tele Ring", "T-Mobile"}},
        {"Azerbaijan", {"Azercell", "Bakcell"}},
        {"Bahrain", {"Batelco"}, Preset::CountryWide},
        {"Bangladesh", {"Aktel"}, Preset::CountryWide},
        {"Barbados", {"Digicel"}, Preset::CountryWide},
        {"Belgium", {"Base", "Mobistar", "Proximus", "Tempo"}},
        {"Bosnia&Herzegowina", {"Mobis"}, Preset::CountryWide},
        {"Brazil", {"Brazil Telecom", "Claro", "Oi", "TIM"}},
        {"Brunei", {"DST"}, Preset::CountryWide},
        {"Bulgaria", {"Globul", "Mtel"}, Preset::OwnKeys, {"Mtel", "Globul"}},
        {"Cambodia", {"Hello"}, Preset::CountryWide},
        {"Canada", {"Bell", "Fido", "Koodo", "Roger", "Telus"}},
        {"Cayman Islands", {"Cable and wireless"}, Preset::CountryWide},
        {"Chile", {"Entel PCS", "Telefonica"}, Preset::OwnKeys, {"Telefonica", "Entel PCS"}},
        {"China", {"China Mobile", "China Unicom"}},
        {"Croatia", {"VIPNet"}, Preset::CountryWide},
        {"Cyprus", {"Areeba", "CytaMobile"}},
        {"Czech Republic", {"T-Mobile", "Vodafone"}},
        {"Denmark", {"Sonofon", "Tele Denmark", "Telia", "Tre"}},
        {"Dominica", {"Cable and wireless"}, Preset::CountryWide},
        {"Egypt", {"MobilNil", "Vodafone"}},
        {"Estonia", {"Elisa", "EMT", "Tele 2"}},
        {"Finland", {"Dna", "Alands", "Elisa", "Go Mobile", "PGFree", "Sonera"}},
        {"France", {"Orange", "Bouygues", "SFR (forfait bloqué)", "SFR (forfait illimité)", "Free"}},
        {"Georgia", {"Magti"}, Preset::CountryWide},
        {"Germany", {"O2(Prepaid)", "O2(Vertrag)", "T-Mobile(Prepaid)", "T-Mobile", "Vodafone"}, Preset::OwnKeys,
         {"O2(Prepaid)", "O2", "T -Mobile(Prepaid)", "T-Mobile", "Vodafone"}},
        {"Greece", {"Cosmote", "Q-Telecom", "TIM", "Vodafone"}},
        {"Grenada", {"Cable and wireless"}, Preset::CountryWide},
        {"Hong Kong(China)", {"CSL", "New World", "Orange", "Peoples", "SmartOne", "Three"}, Preset::OwnKeys,
         {"CSL", "New World", "Orange", "Peoples", "SmartOne", "Sunday", "Three"}},
        {"Hungary", {"PannonGSM", "T-Mobile", "Vodafone"}},
        {"India", {"Airtel", "BPL", "CellOne", "Hutch"}},
        {"Indonesia", {"IM3", "Mentari", "ProXL", "Sat-C", "Telkomsel"}},
        {"Ireland", {"Vodafone"}, Preset::CountryWide},
        {"Israel", {"Orange"}, Preset::CountryWide},
        {"Italy", {"TIM", "Tre", "Vodafone", "Wind"}},
        {"Jamaica", {"Cable and wireless", "Digicell"}},
        {"Jordan", {"MobileCom"}, Preset::CountryWide},
        {"Kazakhstan", {"K Mobile", "Kcell"}},
        {"Kuwait", {"MTC", "Wataniya"}},
        {"Liechtenstein", {"MobilKom"}, Preset::CountryWide},
        {"Lithuania", {"Omnitel"}, Preset::CountryWide},
        {"Luxembourg", {"Lux GSM", "Tango", "VOX"}},
        {"Macau(China)", {"CTM"}, Preset::CountryWide},
        {"Macedonia", {"Cosmofon"}, Preset::CountryWide},
        {"Malaysia", {"Celcom", "DiGi", "Maxis"}},
        {"Malta", {"Vodafone"}, Preset::CountryWide},
        {"Mexico", {"Telcel"}, Preset::CountryWide},
        {"Moldva", {}, Preset::CountryWide},
        {"Moldova", {"MoldCell"}, Preset::Missing},
        {"Monaco", {"Monacell"}, Preset::CountryWide},
        {"Montserrat", {"Cable and wireless"}, Preset::Missing},
        {"Morocco", {"IAM", "MarocTelecom"}, Preset::OwnKeys, {"IAM", "MarcoTelecom"}},
        {"Netherlands", {"KPN", "Orange", "Telfort", "T-Mobile", "Vodafone"}},
        {"New Zealand", {"Vodafone"}, Preset::CountryWide},
        {"Nigeria", {"Globacom", "Glomobile"}},
        {"Norway", {"Netcom", "Telenor"}},
        {"Oman", {"Nawras", "Oman Mobile"}},
        {"Pakistan", {"Telenor", "Ufone"}},
        {"Panama", {"Cable and wireless"}, Preset::CountryWide},
        {"Paraguay", {"VOX"}, Preset::CountryWide},
        {"Philippines", {"Digitell", "Globe Telecom", "Smart", "SUN"}},
        {"Poland", {"ERA", "Heyah", "Idea", "Orange", "Plus", "Sami"}},
        {"Portugal", {"Optimus", "TMN", "Vodafone"}},
        {"Qatar", {"Qtel"}, Preset::CountryWide},
        {"Romania", {"Connex-Vodafone", "Orange"}},
        {"Russia", {"Beeline", "Megafon", "MTS", "TELE2"}, Preset::OwnKeys, {"Beeline", "Megafon", "MTS", "TELE2", "YOTA"}},
        {"Saint Kitts and Nevis", {"Cable and wireless"}, Preset::CountryWide},
        {"Saint Lucia", {"Cable and wireless"}, Preset::CountryWide},
        {"Saint Vincent and the Grenadines", {}, Preset::CountryWide},
        {"Sanit Vincent and the Grenadines", {"Cable and wireless"}, Preset::Missing},
        {"Saudi Arabia", {"STC"}, Preset::CountryWide},
        {"Singapore", {"M1", "Singtel", "Starhub"}},
        {"Slovakia", {"O2", "T-Mobile", "Orange"}},
        {"South Africa", {"Cell C", "MTN", "VodaCom"}},
        {"Spain", {"Amena", "Movistar", "Vodafone"}},
        {"Sri Lanka", {"Dialog"}, Preset::CountryWide},
        {"Sweden", {"Tele2", "Telia", "Telenor", "Tre", "Vodafone"}},
        {"Switzerland", {"Orange", "Sunrise", "Swisscom"}},
        {"Syria", {"Syriatel"}, Preset::CountryWide},
        {"Taiwan(China)", {"Chunghwa", "ForEastOne", "KG Telcom", "Mobitai", "TransAsia", "TWN", "Vibo"}},
        {"Thailand", {"AIS", "DATC", "Mobilelife", "Orange"}, Preset::OwnKeys, {"AIS", "DTAC", "Mobilelife", "Orange"}},
        {"Tunisia", {"Tuntel"}, Preset::CountryWide},
        {"Turkey", {"Avea", "Telsim", "Turkcell"}},
        {"Turks and Caicos Islands", {"Cable and wireless"}, Preset::CountryWide},
        {"Ukraine", {"Kyivstar", "Life", "UMC"}},
        {"United Arab Emirates", {"Etisalat"}, Preset::CountryWide},
        {"United Kingdom", {"BT", "O2", "Orange", "Tesco", "Three", "T-Mobile", "Virgin", "Vodafone"}},
        {"United States", {"AT&T Wireless", "Cingular", "T-Mobile", "Orange"}, Preset::OwnKeys,
         {"AT&T Wireless", "Cingular", "Orange", "T-Mobile"}},
        {"Uruguay", {"Ancel", "Movistar"}},
        {"Uzbekistan", {"Beeline"}, Preset::OwnKeys, {"Beeline", "Unitel"}},
        {"Vietnam", {"Mobifone", "Vinafone"}},
        {"Yemen", {"Sabafon"}, Preset::CountryWide},
        {"Yugoslavia", {"Mobtel", "Monet"}},
    };
    return lines;
}

const CountryOperators* storedList(std::string_view country) {
    for (const CountryOperators& entry : OperatorCatalogue::operatorLists()) {
        if (entry.country == country) {
            return &entry;
        }
    }
    return nullptr;
}

const CountryPresets* storedPresets(std::string_view country) {
    for (const CountryPresets& entry : OperatorCatalogue::presetTable()) {
        if (entry.country == country) {
            return &entry;
        }
    }
    return nullptr;
}

Names keysOf(const CountryPresets& entry) {
    Names keys;
    for (const OperatorPresetPair& pair : entry.perOperator) {
        keys.push_back(pair.operatorName);
    }
    return keys;
}

bool offers(const CountryOperators& list, std::string_view name) {
    return std::find(list.operators.begin(), list.operators.end(), name) != list.operators.end();
}

std::size_t codePoints(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

bool lowerCaseWord(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

Names split(std::string_view text, char separator) {
    Names parts;
    for (;;) {
        const std::size_t end = text.find(separator);
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(end + 1);
    }
}

// Four groups of one to three digits.
bool dottedQuad(std::string_view ip) {
    const Names groups = split(ip, '.');
    return groups.size() == 4 &&
           std::all_of(groups.begin(), groups.end(), [](std::string_view g) { return allDigits(g) && g.size() <= 3; });
}

bool hasLeadingZero(std::string_view ip) {
    const Names groups = split(ip, '.');
    return std::any_of(groups.begin(), groups.end(), [](std::string_view g) { return g.size() > 1 && g.front() == '0'; });
}

// host, optionally ":" and a port, then optionally a path starting with "/".
bool hostPortPath(std::string_view url) {
    const std::size_t hostEnd = url.find_first_of(":/");
    if (hostEnd == 0 || url.substr(0, hostEnd).find(' ') != std::string_view::npos) {
        return false;
    }
    if (hostEnd == std::string_view::npos) {
        return true;
    }
    std::string_view rest = url.substr(hostEnd);
    if (rest.front() == ':') {
        const std::size_t portEnd = rest.find('/');
        if (!allDigits(rest.substr(1, portEnd == std::string_view::npos ? portEnd : portEnd - 1))) {
            return false;
        }
        rest = portEnd == std::string_view::npos ? std::string_view{} : rest.substr(portEnd);
    }
    return rest.empty() || rest.front() == '/';
}

std::string_view hostOf(std::string_view url) {
    return url.substr(0, url.find_first_of(":/"));
}

TEST(CatalogueConformance, OperatorListsHoldEveryCountryWithItsNamesInDisplayOrder) {
    std::vector<const Line*> expected;
    for (const Line& line : catalogueLines()) {
        if (!line.names.empty()) {
            expected.push_back(&line);
        }
    }
    const auto lists = OperatorCatalogue::operatorLists();
    ASSERT_EQ(lists.size(), expected.size());
    for (std::size_t i = 0; i < lists.size(); ++i) {
        EXPECT_EQ(lists[i].country, expected[i]->country) << "entry " << i;
        EXPECT_EQ(Names(lists[i].operators.begin(), lists[i].operators.end()), expected[i]->names)
            << expected[i]->country;
    }
}

TEST(CatalogueConformance, PresetTableHoldsEveryEntryWithItsKeysInStoredOrder) {
    std::vector<const Line*> expected;
    for (const Line& line : catalogueLines()) {
        if (line.preset != Preset::Missing) {
            expected.push_back(&line);
        }
    }
    const auto table = OperatorCatalogue::presetTable();
    ASSERT_EQ(table.size(), expected.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Line& line = *expected[i];
        EXPECT_EQ(table[i].country, line.country) << "entry " << i;
        EXPECT_EQ(table[i].isCountryWide(), line.preset == Preset::CountryWide) << line.country;
        const Names keys = line.preset == Preset::OwnKeys ? line.keys
                           : line.preset == Preset::SameKeys ? line.names
                                                             : Names{};
        EXPECT_EQ(keysOf(table[i]), keys) << line.country;
    }
}

TEST(CatalogueConformance, TableSizes) {
    const auto lists = OperatorCatalogue::operatorLists();
    std::size_t names = 0;
    std::set<std::string_view> distinctNames;
    for (const CountryOperators& entry : lists) {
        EXPECT_GE(entry.operators.size(), 1u) << entry.country;
        EXPECT_LE(entry.operators.size(), 8u) << entry.country;
        names += entry.operators.size();
        distinctNames.insert(entry.operators.begin(), entry.operators.end());
    }
    EXPECT_EQ(lists.size(), 99u);
    EXPECT_EQ(names, 237u);
    EXPECT_EQ(distinctNames.size(), 179u);

    const auto table = OperatorCatalogue::presetTable();
    std::size_t countryWide = 0;
    std::size_t perOperator = 0;
    std::size_t pairs = 0;
    for (const CountryPresets& entry : table) {
        if (entry.isCountryWide()) {
            ++countryWide;
            EXPECT_TRUE(entry.perOperator.empty()) << entry.country;
        } else {
            ++perOperator;
            EXPECT_GE(entry.perOperator.size(), 2u) << entry.country;
            EXPECT_LE(entry.perOperator.size(), 8u) << entry.country;
            pairs += entry.perOperator.size();
        }
    }
    EXPECT_EQ(table.size(), 98u);
    EXPECT_EQ(countryWide, 38u);
    EXPECT_EQ(perOperator, 60u);
    EXPECT_EQ(pairs, 200u);

    const auto presets = allPresets();
    EXPECT_EQ(presets.size(), 238u);
    EXPECT_EQ(std::count_if(presets.begin(), presets.end(), [](const PresetRef& r) { return r.preset->account.has_value(); }),
              8);

    std::size_t inBoth = 0;
    for (const CountryOperators& entry : lists) {
        inBoth += storedPresets(entry.country) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(inBoth, 96u);
    EXPECT_EQ(lists.size() - inBoth, 3u);
    EXPECT_EQ(table.size() - inBoth, 2u);
}

TEST(CatalogueConformance, SharedCountriesStandInTheSameOrderInBothTables) {
    std::vector<std::string_view> fromLists;
    for (const CountryOperators& entry : OperatorCatalogue::operatorLists()) {
        if (storedPresets(entry.country) != nullptr) {
            fromLists.push_back(entry.country);
        }
    }
    std::vector<std::string_view> fromPresets;
    for (const CountryPresets& entry : OperatorCatalogue::presetTable()) {
        if (storedList(entry.country) != nullptr) {
            fromPresets.push_back(entry.country);
        }
    }
    EXPECT_EQ(fromLists, fromPresets);
}

TEST(CatalogueConformance, NoKeyIsEmptyOrStoredTwice) {
    std::set<std::string_view> countries;
    for (const CountryOperators& entry : OperatorCatalogue::operatorLists()) {
        EXPECT_FALSE(entry.country.empty());
        EXPECT_TRUE(countries.insert(entry.country).second) << entry.country;
        const std::set<std::string_view> names(entry.operators.begin(), entry.operators.end());
        EXPECT_EQ(names.size(), entry.operators.size()) << entry.country;
        EXPECT_EQ(names.count(""), 0u) << entry.country;
    }
    countries.clear();
    for (const CountryPresets& entry : OperatorCatalogue::presetTable()) {
        EXPECT_FALSE(entry.country.empty());
        EXPECT_TRUE(countries.insert(entry.country).second) << entry.country;
        const Names keys = keysOf(entry);
        const std::set<std::string_view> distinct(keys.begin(), keys.end());
        EXPECT_EQ(distinct.size(), keys.size()) << entry.country;
        EXPECT_EQ(distinct.count(""), 0u) << entry.country;
    }
}

// Among the countries of both tables, a single operator name goes with a country-wide preset.
TEST(CatalogueConformance, CountryWideExactlyForSingleNameCountriesExceptUzbekistan) {
    for (const CountryOperators& list : OperatorCatalogue::operatorLists()) {
        const CountryPresets* presets = storedPresets(list.country);
        if (presets == nullptr) {
            continue;
        }
        const bool singleName = list.operators.size() == 1;
        if (list.country == "Uzbekistan") {
            EXPECT_TRUE(singleName);
            EXPECT_FALSE(presets->isCountryWide());
        } else {
            EXPECT_EQ(presets->isCountryWide(), singleName) << list.country;
        }
    }
}

TEST(CatalogueConformance, DefaultIsTheFirstNameExceptCanadaSlovakiaGermanyAndRussia) {
    const std::map<std::string_view, std::optional<std::string_view>> exceptions = {
        {"Canada", "Roger"},
        {"Slovakia", "T-Mobile"},
        {"Germany", std::nullopt},
        {"Russia", std::nullopt},
    };
    std::map<std::string_view, std::optional<std::string_view>> found;
    for (const CountryOperators& entry : OperatorCatalogue::operatorLists()) {
        if (entry.defaultOperator != std::optional<std::string_view>(entry.operators.front())) {
            found[entry.country] = entry.defaultOperator;
        }
        if (entry.defaultOperator) {
            EXPECT_TRUE(offers(entry, *entry.defaultOperator)) << entry.country;
        }
    }
    EXPECT_EQ(found, exceptions);
}

TEST(CatalogueConformance, CountrySelectorOffersTheThirtyFiveCountriesOfBothTables) {
    const Names expected = {
        "Australia", "Austria",  "Brazil",  "Bulgaria",       "Canada",        "China",       "Croatia",
        "Czech Republic", "Denmark", "Egypt", "Estonia",      "Finland",       "France",      "Germany",
        "Greece",    "Hungary",  "India",   "Ireland",        "Italy",         "Lithuania",   "Netherlands",
        "New Zealand", "Norway", "Poland",  "Portugal",       "Romania",       "Russia",      "Slovakia",
        "South Africa", "Spain", "Sweden",  "Turkey",         "Ukraine",       "United Kingdom", "United States",
    };
    const auto items = OperatorCatalogue::countrySelectorItems();
    EXPECT_EQ(Names(items.begin(), items.end()), expected);
    for (const std::string_view country : items) {
        EXPECT_NE(storedList(country), nullptr) << country;
        EXPECT_NE(storedPresets(country), nullptr) << country;
    }
}

TEST(CatalogueConformance, PortsAreEightyExceptTheListedTwenty) {
    const std::map<Key, std::string_view> otherPorts = {
        {{"France", "Orange"}, "8080"},
        {{"France", "Bouygues"}, "8080"},
        {{"France", "SFR (forfait bloqué)"}, "8080"},
        {{"France", "SFR (forfait illimité)"}, "8080"},
        {{"Germany", "O2(Prepaid)"}, "8080"},
        {{"Germany", "O2"}, "8080"},
        {{"Italy", "Wind"}, "8080"},
        {{"Russia", "Beeline"}, "8080"},
        {{"Russia", "Megafon"}, "8080"},
        {{"Russia", "MTS"}, "8080"},
        {{"Russia", "TELE2"}, "8080"},
        {{"Slovakia", "O2"}, "8080"},
        {{"Slovakia", "T-Mobile"}, "8080"},
        {{"Sweden", "Telia"}, "8080"},
        {{"Germany", "T -Mobile(Prepaid)"}, "8008"},
        {{"Germany", "T-Mobile"}, "8008"},
        {{"Slovakia", "Orange"}, "8799"},
        {{"Sweden", "Telenor"}, "8799"},
        {{"Australia", "Optus"}, "8070"},
        {{"Russia", "YOTA"}, ""},
    };
    std::set<Key> seen;
    for (const PresetRef& ref : allPresets()) {
        const Key key{ref.country, ref.operatorName.value_or("")};
        const auto other = otherPorts.find(key);
        if (other != otherPorts.end()) {
            seen.insert(key);
            EXPECT_EQ(ref.preset->port, other->second) << ref.label();
        } else {
            EXPECT_EQ(ref.preset->port, "80") << ref.label();
        }
    }
    EXPECT_EQ(seen.size(), otherPorts.size());
}

TEST(CatalogueConformance, EightPresetsCarryAnAccountAndPassword) {
    const std::set<Key> withAccount = {
        {"Canada", "Fido"},  {"Czech Republic", "T-Mobile"}, {"Czech Republic", "Vodafone"}, {"France", "Orange"},
        {"Germany", "T-Mobile"}, {"Russia", "Beeline"},      {"Russia", "Megafon"},          {"Russia", "MTS"},
    };
    std::set<Key> found;
    for (const PresetRef& ref : allPresets()) {
        const OperatorPreset& preset = *ref.preset;
        EXPECT_EQ(preset.account.has_value(), preset.password.has_value()) << ref.label();
        if (!preset.account) {
            continue;
        }
        const Key key{ref.country, ref.operatorName.value_or("")};
        found.insert(key);
        const std::string_view account = *preset.account;
        const std::string_view password = *preset.password;
        if (key == Key{"Germany", "T-Mobile"}) {
            EXPECT_EQ(account.size(), 2u);
            EXPECT_TRUE(lowerCaseWord(account)) << account;
            EXPECT_EQ(password.size(), 7u);
            EXPECT_NE(password.find('-'), std::string_view::npos) << password;
        } else if (key == Key{"Russia", "Megafon"}) {
            EXPECT_EQ(account, "");
            EXPECT_EQ(password, "");
        } else {
            for (const std::string_view word : {account, password}) {
                EXPECT_GE(word.size(), 3u) << ref.label();
                EXPECT_LE(word.size(), 7u) << ref.label();
                EXPECT_TRUE(lowerCaseWord(word)) << ref.label() << ": " << word;
            }
        }
    }
    EXPECT_EQ(found, withAccount);
}

TEST(CatalogueConformance, OnlyYotaAndMegafonHoldEmptyValues) {
    for (const PresetRef& ref : allPresets()) {
        const OperatorPreset& preset = *ref.preset;
        if (ref.label() == "Russia / YOTA") {
            EXPECT_EQ(preset.apn, "");
            EXPECT_EQ(preset.url, "");
            EXPECT_EQ(preset.ip, "");
            EXPECT_EQ(preset.port, "");
            EXPECT_FALSE(preset.account.has_value());
            EXPECT_FALSE(preset.password.has_value());
            continue;
        }
        EXPECT_FALSE(preset.apn.empty()) << ref.label();
        EXPECT_FALSE(preset.url.empty()) << ref.label();
        EXPECT_FALSE(preset.ip.empty()) << ref.label();
        EXPECT_FALSE(preset.port.empty()) << ref.label();
        if (preset.account && ref.label() != "Russia / Megafon") {
            EXPECT_FALSE(preset.account->empty()) << ref.label();
            EXPECT_FALSE(preset.password->empty()) << ref.label();
        }
    }
}

TEST(CatalogueConformance, UrlsAreHostPortAndPathWithTheListedExceptions) {
    std::size_t withScheme = 0;
    std::size_t withBlank = 0;
    for (const PresetRef& ref : allPresets()) {
        std::string_view url = ref.preset->url;
        const std::string label = ref.label();
        if (label == "Russia / YOTA") {
            continue;
        }
        if (ref.country == "Canada") {
            ++withScheme;
            ASSERT_EQ(url.substr(0, 7), "http://") << label;
            url.remove_prefix(7);
            EXPECT_NE(hostOf(url).find('.'), std::string_view::npos) << label << " has a dotted host name";
        } else if (label == "Portugal / Vodafone") {
            // The scheme and colon, without the two slashes, in front of a single name.
            ASSERT_EQ(url.substr(0, 5), "http:") << url;
            url.remove_prefix(5);
            EXPECT_FALSE(hostOf(url).empty()) << url;
            EXPECT_EQ(hostOf(url).find('.'), std::string_view::npos) << url;
        } else {
            EXPECT_EQ(url.find("//"), std::string_view::npos) << label << ": " << url;
            EXPECT_EQ(url.find("http"), std::string_view::npos) << label << ": " << url;
        }
        if (label == "Poland / Heyah") {
            ++withBlank;
            ASSERT_NE(url.find('/'), std::string_view::npos) << url;
            EXPECT_EQ(url.find(' '), url.find('/') + 1) << url;
            EXPECT_EQ(std::count(url.begin(), url.end(), ' '), 1) << url;
            continue;
        }
        EXPECT_EQ(url.find(' '), std::string_view::npos) << label << ": " << url;
        EXPECT_TRUE(hostPortPath(url)) << label << ": " << ref.preset->url;
    }
    EXPECT_EQ(withScheme, 5u);
    EXPECT_EQ(withBlank, 1u);
}

TEST(CatalogueConformance, IpsAreDottedQuadsWithTheListedExceptions) {
    std::size_t dotted = 0;
    std::set<std::string> withLeadingZeros;
    for (const PresetRef& ref : allPresets()) {
        const std::string label = ref.label();
        std::string_view ip = ref.preset->ip;
        if (label == "Kuwait / MTC") {
            const Names groups = split(ip, '.');
            ASSERT_EQ(groups.size(), 3u) << ip;
            EXPECT_EQ(groups[0].size(), 4u) << ip;
            for (const std::string_view group : groups) {
                EXPECT_TRUE(allDigits(group)) << ip;
            }
            continue;
        }
        if (label == "Uruguay / Movistar") {
            EXPECT_EQ(ip, "?");
            continue;
        }
        if (label == "Russia / YOTA") {
            EXPECT_EQ(ip, "");
            continue;
        }
        if (label == "Austria / T-Mobile") {
            ASSERT_FALSE(ip.empty());
            EXPECT_EQ(ip.back(), ' ') << "[" << ip << "]";
            ip.remove_suffix(1);
        }
        EXPECT_EQ(ip.find(' '), std::string_view::npos) << label << ": [" << ref.preset->ip << "]";
        EXPECT_TRUE(dottedQuad(ip)) << label << ": " << ip;
        dotted += dottedQuad(ip) ? 1 : 0;
        if (hasLeadingZero(ip)) {
            withLeadingZeros.insert(label);
        }
    }
    EXPECT_EQ(dotted, 235u);
    EXPECT_EQ(withLeadingZeros.size(), 16u);
    EXPECT_EQ(withLeadingZeros.count("Austria / T-Mobile"), 1u);
}

TEST(CatalogueConformance, TextLengthsStayWithinTheirLimits) {
    for (const CountryOperators& entry : OperatorCatalogue::operatorLists()) {
        EXPECT_LE(codePoints(entry.country), 32u) << entry.country;
        for (const std::string_view name : entry.operators) {
            EXPECT_LE(codePoints(name), 22u) << name;
        }
    }
    for (const PresetRef& ref : allPresets()) {
        EXPECT_LE(codePoints(ref.country), 32u) << ref.label();
        EXPECT_LE(codePoints(ref.operatorName.value_or("")), 22u) << ref.label();
        EXPECT_LE(ref.preset->apn.size(), 23u) << ref.label();
        EXPECT_LE(ref.preset->url.size(), 41u) << ref.label();
        EXPECT_LE(ref.preset->ip.size(), 15u) << ref.label();
        EXPECT_LE(ref.preset->port.size(), 4u) << ref.label();
        EXPECT_LE(ref.preset->account.value_or("").size(), 7u) << ref.label();
        EXPECT_LE(ref.preset->password.value_or("").size(), 7u) << ref.label();
        EXPECT_EQ(ref.preset->apn.find(' '), std::string_view::npos) << ref.label();
    }
}

TEST(CatalogueConformance, TwoOperatorNamesHoldAnAccentedLetterInUtf8) {
    Names accented;
    for (const CountryOperators& entry : OperatorCatalogue::operatorLists()) {
        for (const std::string_view name : entry.operators) {
            if (name.find("\xC3\xA9") != std::string_view::npos) {
                accented.push_back(name);
            }
        }
    }
    EXPECT_EQ(accented, (Names{"SFR (forfait bloqu\xC3\xA9)", "SFR (forfait illimit\xC3\xA9)"}));
}

// ---------------------------------------------------------------------------------------------
// Where the two tables do not meet

TEST(CatalogueConformance, NamesOfferedWithoutAPreset) {
    const std::set<Key> expected = {
        {"Australia", "Three"},
        {"Germany", "O2(Vertrag)"},
        {"Germany", "T-Mobile(Prepaid)"},
        {"Morocco", "MarocTelecom"},
        {"Thailand", "DATC"},
        {"Moldova", "MoldCell"},
        {"Montserrat", "Cable and wireless"},
        {"Sanit Vincent and the Grenadines", "Cable and wireless"},
    };
    std::set<Key> found;
    for (const CountryOperators& list : OperatorCatalogue::operatorLists()) {
        const CountryPresets* presets = storedPresets(list.country);
        for (const std::string_view name : list.operators) {
            if (presets == nullptr) {
                found.insert({list.country, name});
            } else if (!presets->isCountryWide()) {
                const Names keys = keysOf(*presets);
                if (std::find(keys.begin(), keys.end(), name) == keys.end()) {
                    found.insert({list.country, name});
                }
            }
        }
    }
    EXPECT_EQ(found, expected);
}

TEST(CatalogueConformance, PresetKeysThatNoListOffers) {
    const std::set<Key> expected = {
        {"Germany", "O2"},     {"Germany", "T -Mobile(Prepaid)"}, {"Hong Kong(China)", "Sunday"},
        {"Morocco", "MarcoTelecom"}, {"Russia", "YOTA"},          {"Thailand", "DTAC"},
        {"Uzbekistan", "Unitel"},
    };
    std::set<Key> found;
    for (const CountryPresets& presets : OperatorCatalogue::presetTable()) {
        const CountryOperators* list = storedList(presets.country);
        for (const OperatorPresetPair& pair : presets.perOperator) {
            if (list == nullptr || !offers(*list, pair.operatorName)) {
                found.insert({presets.country, pair.operatorName});
            }
        }
    }
    EXPECT_EQ(found, expected);
}

TEST(CatalogueConformance, CountriesOfOnlyOneTable) {
    std::set<std::string_view> listOnly;
    for (const CountryOperators& list : OperatorCatalogue::operatorLists()) {
        if (storedPresets(list.country) == nullptr) {
            listOnly.insert(list.country);
        }
    }
    EXPECT_EQ(listOnly, (std::set<std::string_view>{"Moldova", "Montserrat", "Sanit Vincent and the Grenadines"}));

    std::set<std::string_view> presetOnly;
    for (const CountryPresets& presets : OperatorCatalogue::presetTable()) {
        if (storedList(presets.country) == nullptr) {
            presetOnly.insert(presets.country);
            EXPECT_TRUE(presets.isCountryWide()) << presets.country;
        }
    }
    EXPECT_EQ(presetOnly, (std::set<std::string_view>{"Moldva", "Saint Vincent and the Grenadines"}));
}

}  // namespace
}  // namespace qx
