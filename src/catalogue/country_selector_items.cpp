#include "catalogue/operator_catalogue.h"

namespace qx {
namespace {

// Kept here rather than in the window's layout so that the window can only offer countries the
// catalogue knows: each of these is in both tables. The other countries of the operator lists are
// not offered by the window.
constexpr std::string_view kCountrySelectorItems[] = {
    "Australia",    "Austria",     "Brazil",      "Bulgaria", "Canada",   "China",
    "Croatia",      "Czech Republic", "Denmark",  "Egypt",    "Estonia",  "Finland",
    "France",       "Germany",     "Greece",      "Hungary",  "India",    "Ireland",
    "Italy",        "Lithuania",   "Netherlands", "New Zealand", "Norway", "Poland",
    "Portugal",     "Romania",     "Russia",      "Slovakia", "South Africa", "Spain",
    "Sweden",       "Turkey",      "Ukraine",     "United Kingdom", "United States",
};

}  // namespace

std::span<const std::string_view> OperatorCatalogue::countrySelectorItems() {
    return kCountrySelectorItems;
}

}  // namespace qx
