#include "zonetime/flagterritory.h"

#include <algorithm>
#include <iterator>

namespace {

struct CodePair {
    QStringView alpha3;
    QStringView alpha2;
};

// ISO 3166-1, alpha-3 to alpha-2, in alpha-3 order. Qt 6.4 reads only alpha-2 country codes, and
// the flags are named by alpha-3; the standard changes seldom enough for a table to serve.
constexpr CodePair IsoCodes[] = {
    {u"ABW", u"AW"}, {u"AFG", u"AF"}, {u"AGO", u"AO"}, {u"AIA", u"AI"}, {u"ALA", u"AX"},
    {u"ALB", u"AL"}, {u"AND", u"AD"}, {u"ARE", u"AE"}, {u"ARG", u"AR"}, {u"ARM", u"AM"},
    {u"ASM", u"AS"}, {u"ATA", u"AQ"}, {u"ATF", u"TF"}, {u"ATG", u"AG"}, {u"AUS", u"AU"},
    {u"AUT", u"AT"}, {u"AZE", u"AZ"}, {u"BDI", u"BI"}, {u"BEL", u"BE"}, {u"BEN", u"BJ"},
    {u"BES", u"BQ"}, {u"BFA", u"BF"}, {u"BGD", u"BD"}, {u"BGR", u"BG"}, {u"BHR", u"BH"},
    {u"BHS", u"BS"}, {u"BIH", u"BA"}, {u"BLM", u"BL"}, {u"BLR", u"BY"}, {u"BLZ", u"BZ"},
    {u"BMU", u"BM"}, {u"BOL", u"BO"}, {u"BRA", u"BR"}, {u"BRB", u"BB"}, {u"BRN", u"BN"},
    {u"BTN", u"BT"}, {u"BVT", u"BV"}, {u"BWA", u"BW"}, {u"CAF", u"CF"}, {u"CAN", u"CA"},
    {u"CCK", u"CC"}, {u"CHE", u"CH"}, {u"CHL", u"CL"}, {u"CHN", u"CN"}, {u"CIV", u"CI"},
    {u"CMR", u"CM"}, {u"COD", u"CD"}, {u"COG", u"CG"}, {u"COK", u"CK"}, {u"COL", u"CO"},
    {u"COM", u"KM"}, {u"CPV", u"CV"}, {u"CRI", u"CR"}, {u"CUB", u"CU"}, {u"CUW", u"CW"},
    {u"CXR", u"CX"}, {u"CYM", u"KY"}, {u"CYP", u"CY"}, {u"CZE", u"CZ"}, {u"DEU", u"DE"},
    {u"DJI", u"DJ"}, {u"DMA", u"DM"}, {u"DNK", u"DK"}, {u"DOM", u"DO"}, {u"DZA", u"DZ"},
    {u"ECU", u"EC"}, {u"EGY", u"EG"}, {u"ERI", u"ER"}, {u"ESH", u"EH"}, {u"ESP", u"ES"},
    {u"EST", u"EE"}, {u"ETH", u"ET"}, {u"FIN", u"FI"}, {u"FJI", u"FJ"}, {u"FLK", u"FK"},
    {u"FRA", u"FR"}, {u"FRO", u"FO"}, {u"FSM", u"FM"}, {u"GAB", u"GA"}, {u"GBR", u"GB"},
    {u"GEO", u"GE"}, {u"GGY", u"GG"}, {u"GHA", u"GH"}, {u"GIB", u"GI"}, {u"GIN", u"GN"},
    {u"GLP", u"GP"}, {u"GMB", u"GM"}, {u"GNB", u"GW"}, {u"GNQ", u"GQ"}, {u"GRC", u"GR"},
    {u"GRD", u"GD"}, {u"GRL", u"GL"}, {u"GTM", u"GT"}, {u"GUF", u"GF"}, {u"GUM", u"GU"},
    {u"GUY", u"GY"}, {u"HKG", u"HK"}, {u"HMD", u"HM"}, {u"HND", u"HN"}, {u"HRV", u"HR"},
    {u"HTI", u"HT"}, {u"HUN", u"HU"}, {u"IDN", u"ID"}, {u"IMN", u"IM"}, {u"IND", u"IN"},
    {u"IOT", u"IO"}, {u"IRL", u"IE"}, {u"IRN", u"IR"}, {u"IRQ", u"IQ"}, {u"ISL", u"IS"},
    {u"ISR", u"IL"}, {u"ITA", u"IT"}, {u"JAM", u"JM"}, {u"JEY", u"JE"}, {u"JOR", u"JO"},
    {u"JPN", u"JP"}, {u"KAZ", u"KZ"}, {u"KEN", u"KE"}, {u"KGZ", u"KG"}, {u"KHM", u"KH"},
    {u"KIR", u"KI"}, {u"KNA", u"KN"}, {u"KOR", u"KR"}, {u"KWT", u"KW"}, {u"LAO", u"LA"},
    {u"LBN", u"LB"}, {u"LBR", u"LR"}, {u"LBY", u"LY"}, {u"LCA", u"LC"}, {u"LIE", u"LI"},
    {u"LKA", u"LK"}, {u"LSO", u"LS"}, {u"LTU", u"LT"}, {u"LUX", u"LU"}, {u"LVA", u"LV"},
    {u"MAC", u"MO"}, {u"MAF", u"MF"}, {u"MAR", u"MA"}, {u"MCO", u"MC"}, {u"MDA", u"MD"},
    {u"MDG", u"MG"}, {u"MDV", u"MV"}, {u"MEX", u"MX"}, {u"MHL", u"MH"}, {u"MKD", u"MK"},
    {u"MLI", u"ML"}, {u"MLT", u"MT"}, {u"MMR", u"MM"}, {u"MNE", u"ME"}, {u"MNG", u"MN"},
    {u"MNP", u"MP"}, {u"MOZ", u"MZ"}, {u"MRT", u"MR"}, {u"MSR", u"MS"}, {u"MTQ", u"MQ"},
    {u"MUS", u"MU"}, {u"MWI", u"MW"}, {u"MYS", u"MY"}, {u"MYT", u"YT"}, {u"NAM", u"NA"},
    {u"NCL", u"NC"}, {u"NER", u"NE"}, {u"NFK", u"NF"}, {u"NGA", u"NG"}, {u"NIC", u"NI"},
    {u"NIU", u"NU"}, {u"NLD", u"NL"}, {u"NOR", u"NO"}, {u"NPL", u"NP"}, {u"NRU", u"NR"},
    {u"NZL", u"NZ"}, {u"OMN", u"OM"}, {u"PAK", u"PK"}, {u"PAN", u"PA"}, {u"PCN", u"PN"},
    {u"PER", u"PE"}, {u"PHL", u"PH"}, {u"PLW", u"PW"}, {u"PNG", u"PG"}, {u"POL", u"PL"},
    {u"PRI", u"PR"}, {u"PRK", u"KP"}, {u"PRT", u"PT"}, {u"PRY", u"PY"}, {u"PSE", u"PS"},
    {u"PYF", u"PF"}, {u"QAT", u"QA"}, {u"REU", u"RE"}, {u"ROU", u"RO"}, {u"RUS", u"RU"},
    {u"RWA", u"RW"}, {u"SAU", u"SA"}, {u"SDN", u"SD"}, {u"SEN", u"SN"}, {u"SGP", u"SG"},
    {u"SGS", u"GS"}, {u"SHN", u"SH"}, {u"SJM", u"SJ"}, {u"SLB", u"SB"}, {u"SLE", u"SL"},
    {u"SLV", u"SV"}, {u"SMR", u"SM"}, {u"SOM", u"SO"}, {u"SPM", u"PM"}, {u"SRB", u"RS"},
    {u"SSD", u"SS"}, {u"STP", u"ST"}, {u"SUR", u"SR"}, {u"SVK", u"SK"}, {u"SVN", u"SI"},
    {u"SWE", u"SE"}, {u"SWZ", u"SZ"}, {u"SXM", u"SX"}, {u"SYC", u"SC"}, {u"SYR", u"SY"},
    {u"TCA", u"TC"}, {u"TCD", u"TD"}, {u"TGO", u"TG"}, {u"THA", u"TH"}, {u"TJK", u"TJ"},
    {u"TKL", u"TK"}, {u"TKM", u"TM"}, {u"TLS", u"TL"}, {u"TON", u"TO"}, {u"TTO", u"TT"},
    {u"TUN", u"TN"}, {u"TUR", u"TR"}, {u"TUV", u"TV"}, {u"TWN", u"TW"}, {u"TZA", u"TZ"},
    {u"UGA", u"UG"}, {u"UKR", u"UA"}, {u"UMI", u"UM"}, {u"URY", u"UY"}, {u"USA", u"US"},
    {u"UZB", u"UZ"}, {u"VAT", u"VA"}, {u"VCT", u"VC"}, {u"VEN", u"VE"}, {u"VGB", u"VG"},
    {u"VIR", u"VI"}, {u"VNM", u"VN"}, {u"VUT", u"VU"}, {u"WLF", u"WF"}, {u"WSM", u"WS"},
    {u"YEM", u"YE"}, {u"ZAF", u"ZA"}, {u"ZMB", u"ZM"}, {u"ZWE", u"ZW"},
};

// The alpha-2 code of an alpha-3 code, or an empty view when the code is none.
QStringView alpha2OfAlpha3(QStringView alpha3)
{
    if (alpha3.size() != 3)
        return {};
    const auto found = std::find_if(std::begin(IsoCodes), std::end(IsoCodes), [&](CodePair pair) {
        return pair.alpha3.compare(alpha3, Qt::CaseInsensitive) == 0;
    });
    return found == std::end(IsoCodes) ? QStringView() : found->alpha2;
}

} // namespace

std::optional<QLocale::Territory> territoryOfFlagCode(QStringView code)
{
    const QStringView alpha2 = alpha2OfAlpha3(code);
    if (alpha2.isEmpty())
        return std::nullopt;
    const QLocale::Territory territory = QLocale::codeToTerritory(alpha2);
    if (territory == QLocale::AnyTerritory)
        return std::nullopt;
    return territory;
}
