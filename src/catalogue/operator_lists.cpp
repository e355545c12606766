#include "catalogue/operator_catalogue.h"
#include "catalogue/table_builders.h"

namespace qx {
namespace {

using catalogue_tables::OperatorListRow;

constexpr std::nullopt_t kNoDefault = std::nullopt;

// One row per country: country, operator names in display order, and the name that the
// "Operators" selector shows once the list is filled. The names are the selector's items and need
// not match the preset table's keys: "Moldova" here is "Moldva" there, and several operators
// have no preset at all.
constexpr OperatorListRow kRows[] = {
    {"Albania", "AMC|Vodafone", "AMC"},
    {"Algeria", "Djezzy|Nedjma", "Djezzy"},
    {"Andorra", "STA", "STA"},
    {"Anguilla", "Cables and wireless", "Cables and wireless"},
    {"Antigua&Barbuda", "Cable and Wireless|Digicel", "Cable and Wireless"},
    {"Argentina", "CTI Movil|Personal|Unifon", "CTI Movil"},
    {"Arub", "Digicel|Setar", "Digicel"},
    {"Australia", "Optus|Telstra|Three|Vodafone", "Optus"},
    {"Austria", "Drei|MobilKom|One|Tele Ring|T-Mobile", "Drei"},
    {"Azerbaijan", "Azercell|Bakcell", "Azercell"},
    {"Bahrain", "Batelco", "Batelco"},
    {"Bangladesh", "Aktel", "Aktel"},
    {"Barbados", "Digicel", "Digicel"},
    {"Belgium", "Base|Mobistar|Proximus|Tempo", "Base"},
    {"Bosnia&Herzegowina", "Mobis", "Mobis"},
    {"Brazil", "Brazil Telecom|Claro|Oi|TIM", "Brazil Telecom"},
    {"Brunei", "DST", "DST"},
    {"Bulgaria", "Globul|Mtel", "Globul"},
    {"Cambodia", "Hello", "Hello"},
    {"Canada", "Bell|Fido|Koodo|Roger|Telus", "Roger"},
    {"Cayman Islands", "Cable and wireless", "Cable and wireless"},
    {"Chile", "Entel PCS|Telefonica", "Entel PCS"},
    {"China", "China Mobile|China Unicom", "China Mobile"},
    {"Croatia", "VIPNet", "VIPNet"},
    {"Cyprus", "Areeba|CytaMobile", "Areeba"},
    {"Czech Republic", "T-Mobile|Vodafone", "T-Mobile"},
    {"Denmark", "Sonofon|Tele Denmark|Telia|Tre", "Sonofon"},
    {"Dominica", "Cable and wireless", "Cable and wireless"},
    {"Egypt", "MobilNil|Vodafone", "MobilNil"},
    {"Estonia", "Elisa|EMT|Tele 2", "Elisa"},
    {"Finland", "Dna|Alands|Elisa|Go Mobile|PGFree|Sonera", "Dna"},
    {"France", "Orange|Bouygues|SFR (forfait bloqué)|SFR (forfait illimité)|Free", "Orange"},
    {"Georgia", "Magti", "Magti"},
    {"Germany", "O2(Prepaid)|O2(Vertrag)|T-Mobile(Prepaid)|T-Mobile|Vodafone", kNoDefault},
    {"Greece", "Cosmote|Q-Telecom|TIM|Vodafone", "Cosmote"},
    {"Grenada", "Cable and wireless", "Cable and wireless"},
    {"Hong Kong(China)", "CSL|New World|Orange|Peoples|SmartOne|Three", "CSL"},
    {"Hungary", "PannonGSM|T-Mobile|Vodafone", "PannonGSM"},
    {"India", "Airtel|BPL|CellOne|Hutch", "Airtel"},
    {"Indonesia", "IM3|Mentari|ProXL|Sat-C|Telkomsel", "IM3"},
    {"Ireland", "Vodafone", "Vodafone"},
    {"Israel", "Orange", "Orange"},
    {"Italy", "TIM|Tre|Vodafone|Wind", "TIM"},
    {"Jamaica", "Cable and wireless|Digicell", "Cable and wireless"},
    {"Jordan", "MobileCom", "MobileCom"},
    {"Kazakhstan", "K Mobile|Kcell", "K Mobile"},
    {"Kuwait", "MTC|Wataniya", "MTC"},
    {"Liechtenstein", "MobilKom", "MobilKom"},
    {"Lithuania", "Omnitel", "Omnitel"},
    {"Luxembourg", "Lux GSM|Tango|VOX", "Lux GSM"},
    {"Macau(China)", "CTM", "CTM"},
    {"Macedonia", "Cosmofon", "Cosmofon"},
    {"Malaysia", "Celcom|DiGi|Maxis", "Celcom"},
    {"Malta", "Vodafone", "Vodafone"},
    {"Mexico", "Telcel", "Telcel"},
    {"Moldova", "MoldCell", "MoldCell"},
    {"Monaco", "Monacell", "Monacell"},
    {"Montserrat", "Cable and wireless", "Cable and wireless"},
    {"Morocco", "IAM|MarocTelecom", "IAM"},
    {"Netherlands", "KPN|Orange|Telfort|T-Mobile|Vodafone", "KPN"},
    {"New Zealand", "Vodafone", "Vodafone"},
    {"Nigeria", "Globacom|Glomobile", "Globacom"},
    {"Norway", "Netcom|Telenor", "Netcom"},
    {"Oman", "Nawras|Oman Mobile", "Nawras"},
    {"Pakistan", "Telenor|Ufone", "Telenor"},
    {"Panama", "Cable and wireless", "Cable and wireless"},
    {"Paraguay", "VOX", "VOX"},
    {"Philippines", "Digitell|Globe Telecom|Smart|SUN", "Digitell"},
    {"Poland", "ERA|Heyah|Idea|Orange|Plus|Sami", "ERA"},
    {"Portugal", "Optimus|TMN|Vodafone", "Optimus"},
    {"Qatar", "Qtel", "Qtel"},
    {"Romania", "Connex-Vodafone|Orange", "Connex-Vodafone"},
    {"Russia", "Beeline|Megafon|MTS|TELE2", kNoDefault},
    {"Saint Kitts and Nevis", "Cable and wireless", "Cable and wireless"},
    {"Saint Lucia", "Cable and wireless", "Cable and wireless"},
    {"Sanit Vincent and the Grenadines", "Cable and wireless", "Cable and wireless"},
    {"Saudi Arabia", "STC", "STC"},
    {"Singapore", "M1|Singtel|Starhub", "M1"},
    {"Slovakia", "O2|T-Mobile|Orange", "T-Mobile"},
    {"South Africa", "Cell C|MTN|VodaCom", "Cell C"},
    {"Spain", "Amena|Movistar|Vodafone", "Amena"},
    {"Sri Lanka", "Dialog", "Dialog"},
    {"Sweden", "Tele2|Telia|Telenor|Tre|Vodafone", "Tele2"},
    {"Switzerland", "Orange|Sunrise|Swisscom", "Orange"},
    {"Syria", "Syriatel", "Syriatel"},
    {"Taiwan(China)", "Chunghwa|ForEastOne|KG Telcom|Mobitai|TransAsia|TWN|Vibo", "Chunghwa"},
    {"Thailand", "AIS|DATC|Mobilelife|Orange", "AIS"},
    {"Tunisia", "Tuntel", "Tuntel"},
    {"Turkey", "Avea|Telsim|Turkcell", "Avea"},
    {"Turks and Caicos Islands", "Cable and wireless", "Cable and wireless"},
    {"Ukraine", "Kyivstar|Life|UMC", "Kyivstar"},
    {"United Arab Emirates", "Etisalat", "Etisalat"},
    {"United Kingdom", "BT|O2|Orange|Tesco|Three|T-Mobile|Virgin|Vodafone", "BT"},
    {"United States", "AT&T Wireless|Cingular|T-Mobile|Orange", "AT&T Wireless"},
    {"Uruguay", "Ancel|Movistar", "Ancel"},
    {"Uzbekistan", "Beeline", "Beeline"},
    {"Vietnam", "Mobifone|Vinafone", "Mobifone"},
    {"Yemen", "Sabafon", "Sabafon"},
    {"Yugoslavia", "Mobtel|Monet", "Mobtel"},
};

constexpr auto kNames = catalogue_tables::splitNames<catalogue_tables::totalNameCount(kRows)>(kRows);
constexpr auto kOperatorLists = catalogue_tables::buildOperatorLists(kRows, kNames);

}  // namespace

std::span<const CountryOperators> OperatorCatalogue::operatorLists() {
    return kOperatorLists;
}

}  // namespace qx
