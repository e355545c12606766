#pragma once

// Compile-time assembly of the catalogue's tables from rows written one line per country
// (operator lists) or one line per preset (preset table). The builders also check the rows, so a
// mistake in the data stops the build instead of surfacing as a wrong lookup.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "catalogue/operator_catalogue.h"

namespace qx::catalogue_tables {

// Thrown only during constant evaluation, where it turns a faulty row into a compile error.
struct InvalidTable {
    const char* reason;
};

// ---------------------------------------------------------------------------------------------
// Operator lists

inline constexpr char kNameSeparator = '|';

struct OperatorListRow {
    std::string_view country;
    std::string_view names;  // display order, kNameSeparator between two names
    std::optional<std::string_view> defaultOperator;
};

constexpr std::size_t nameCount(std::string_view names) {
    std::size_t count = 1;
    for (const char c : names) {
        if (c == kNameSeparator) {
            ++count;
        }
    }
    return count;
}

template <std::size_t RowCount>
constexpr std::size_t totalNameCount(const OperatorListRow (&rows)[RowCount]) {
    std::size_t count = 0;
    for (const OperatorListRow& row : rows) {
        count += nameCount(row.names);
    }
    return count;
}

template <std::size_t NameCount, std::size_t RowCount>
constexpr std::array<std::string_view, NameCount> splitNames(const OperatorListRow (&rows)[RowCount]) {
    std::array<std::string_view, NameCount> names{};
    std::size_t next = 0;
    for (const OperatorListRow& row : rows) {
        std::string_view rest = row.names;
        for (;;) {
            const std::size_t end = rest.find(kNameSeparator);
            const std::string_view name = rest.substr(0, end);
            if (name.empty()) {
                throw InvalidTable{"empty operator name"};
            }
            names[next++] = name;
            if (end == std::string_view::npos) {
                break;
            }
            rest.remove_prefix(end + 1);
        }
    }
    return names;
}

constexpr bool contains(std::span<const std::string_view> names, std::string_view name) {
    for (const std::string_view candidate : names) {
        if (candidate == name) {
            return true;
        }
    }
    return false;
}

template <std::size_t RowCount, std::size_t NameCount>
constexpr std::array<CountryOperators, RowCount> buildOperatorLists(
    const OperatorListRow (&rows)[RowCount], const std::array<std::string_view, NameCount>& names) {
    std::array<CountryOperators, RowCount> lists{};
    std::size_t first = 0;
    for (std::size_t i = 0; i < RowCount; ++i) {
        const std::span<const std::string_view> operators(names.data() + first, nameCount(rows[i].names));
        for (std::size_t j = 0; j < operators.size(); ++j) {
            if (contains(operators.first(j), operators[j])) {
                throw InvalidTable{"operator name listed twice for one country"};
            }
        }
        if (rows[i].defaultOperator && !contains(operators, *rows[i].defaultOperator)) {
            throw InvalidTable{"default operator is not one of the country's names"};
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (rows[j].country == rows[i].country) {
                throw InvalidTable{"country listed twice"};
            }
        }
        lists[i] = CountryOperators{rows[i].country, operators, rows[i].defaultOperator};
        first += operators.size();
    }
    return lists;
}

// ---------------------------------------------------------------------------------------------
// Preset table

struct PresetRow {
    std::string_view country;
    std::optional<std::string_view> operatorName;  // none: the country's one country-wide preset
    OperatorPreset preset;
};

// Written in the operator column of a row whose preset applies whatever operator is shown.
inline constexpr std::nullopt_t kCountryWide = std::nullopt;

template <std::size_t RowCount>
constexpr bool startsEntry(const PresetRow (&rows)[RowCount], std::size_t i) {
    return i == 0 || rows[i].country != rows[i - 1].country;
}

template <std::size_t RowCount>
constexpr std::size_t entryCount(const PresetRow (&rows)[RowCount]) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < RowCount; ++i) {
        count += startsEntry(rows, i) ? 1 : 0;
    }
    return count;
}

template <std::size_t RowCount>
constexpr std::size_t pairCount(const PresetRow (&rows)[RowCount]) {
    std::size_t count = 0;
    for (const PresetRow& row : rows) {
        count += row.operatorName ? 1 : 0;
    }
    return count;
}

template <std::size_t PairCount, std::size_t RowCount>
constexpr std::array<OperatorPresetPair, PairCount> collectPairs(const PresetRow (&rows)[RowCount]) {
    std::array<OperatorPresetPair, PairCount> pairs{};
    std::size_t next = 0;
    for (const PresetRow& row : rows) {
        if (row.operatorName) {
            pairs[next++] = OperatorPresetPair{*row.operatorName, row.preset};
        }
    }
    return pairs;
}

// Consecutive rows of one country form its entry; the pairs keep the rows' order.
template <std::size_t EntryCount, std::size_t RowCount, std::size_t PairCount>
constexpr std::array<CountryPresets, EntryCount> groupPresets(
    const PresetRow (&rows)[RowCount], const std::array<OperatorPresetPair, PairCount>& pairs) {
    std::array<CountryPresets, EntryCount> entries{};
    std::size_t entry = 0;
    std::size_t firstPair = 0;
    for (std::size_t i = 0; i < RowCount;) {
        std::size_t end = i + 1;
        while (end < RowCount && !startsEntry(rows, end)) {
            ++end;
        }
        for (std::size_t j = 0; j < entry; ++j) {
            if (entries[j].country == rows[i].country) {
                throw InvalidTable{"a country's preset rows are not together"};
            }
        }
        if (!rows[i].operatorName) {
            if (end - i != 1) {
                throw InvalidTable{"a country-wide preset shares its country with other rows"};
            }
            entries[entry++] = CountryPresets{rows[i].country, rows[i].preset, {}};
        } else {
            const std::span<const OperatorPresetPair> group(pairs.data() + firstPair, end - i);
            for (std::size_t j = 0; j < group.size(); ++j) {
                if (!rows[i + j].operatorName) {
                    throw InvalidTable{"a country-wide preset shares its country with other rows"};
                }
                for (std::size_t k = 0; k < j; ++k) {
                    if (group[k].operatorName == group[j].operatorName) {
                        throw InvalidTable{"operator key listed twice for one country"};
                    }
                }
            }
            entries[entry++] = CountryPresets{rows[i].country, std::nullopt, group};
            firstPair += group.size();
        }
        i = end;
    }
    return entries;
}

}  // namespace qx::catalogue_tables
