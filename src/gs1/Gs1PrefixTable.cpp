#include "gs1/Gs1PrefixTable.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {
constexpr Gs1PrefixRange Office(int first, int last, const char16_t* office)
{
    return Gs1PrefixRange{first, last, CodeKind::Unknown, office};
}
constexpr Gs1PrefixRange Special(int first, int last, CodeKind kind)
{
    return Gs1PrefixRange{first, last, kind, u""};
}

// Transcribed by hand from GS1's published list of GS1 Prefixes (gs1.org, "GS1 Company Prefix"),
// as it stood in 2023; nothing here was downloaded. Offices GS1 has admitted since are missing:
// their codes then show no office rather than a wrong one. To update, change or add one line;
// the lines stay in prefix order, which the checks at the end of this file hold them to.
constexpr Gs1PrefixRange kPrefixes[] = {
    Office(0, 19, u"GS1 US"),
    Special(20, 29, CodeKind::RestrictedCirculation),
    Office(30, 39, u"GS1 US"),
    Special(40, 49, CodeKind::RestrictedCirculation),
    Office(50, 59, u"GS1 US"), // once UPC coupons; GS1 US keeps it for future use
    Office(60, 139, u"GS1 US"),
    Special(200, 299, CodeKind::RestrictedCirculation),
    Office(300, 379, u"GS1 France"),
    Office(380, 380, u"GS1 Bulgaria"),
    Office(383, 383, u"GS1 Slovenija"),
    Office(385, 385, u"GS1 Croatia"),
    Office(387, 387, u"GS1 BIH (Bosnia-Herzegovina)"),
    Office(389, 389, u"GS1 Montenegro"),
    Office(390, 390, u"GS1 Kosovo"),
    Office(400, 440, u"GS1 Germany"),
    Office(450, 459, u"GS1 Japan"),
    Office(460, 469, u"GS1 Russia"),
    Office(470, 470, u"GS1 Kyrgyzstan"),
    Office(471, 471, u"GS1 Chinese Taipei"),
    Office(474, 474, u"GS1 Estonia"),
    Office(475, 475, u"GS1 Latvia"),
    Office(476, 476, u"GS1 Azerbaijan"),
    Office(477, 477, u"GS1 Lithuania"),
    Office(478, 478, u"GS1 Uzbekistan"),
    Office(479, 479, u"GS1 Sri Lanka"),
    Office(480, 480, u"GS1 Philippines"),
    Office(481, 481, u"GS1 Belarus"),
    Office(482, 482, u"GS1 Ukraine"),
    Office(483, 483, u"GS1 Turkmenistan"),
    Office(484, 484, u"GS1 Moldova"),
    Office(485, 485, u"GS1 Armenia"),
    Office(486, 486, u"GS1 Georgia"),
    Office(487, 487, u"GS1 Kazakstan"),
    Office(488, 488, u"GS1 Tajikistan"),
    Office(489, 489, u"GS1 Hong Kong, China"),
    Office(490, 499, u"GS1 Japan"),
    Office(500, 509, u"GS1 UK"),
    Office(520, 521, u"GS1 Association Greece"),
    Office(528, 528, u"GS1 Lebanon"),
    Office(529, 529, u"GS1 Cyprus"),
    Office(530, 530, u"GS1 Albania"),
    Office(531, 531, u"GS1 North Macedonia"),
    Office(535, 535, u"GS1 Malta"),
    Office(539, 539, u"GS1 Ireland"),
    Office(540, 549, u"GS1 Belgium & Luxembourg"),
    Office(560, 560, u"GS1 Portugal"),
    Office(569, 569, u"GS1 Iceland"),
    Office(570, 579, u"GS1 Denmark"),
    Office(590, 590, u"GS1 Poland"),
    Office(594, 594, u"GS1 Romania"),
    Office(599, 599, u"GS1 Hungary"),
    Office(600, 601, u"GS1 South Africa"),
    Office(603, 603, u"GS1 Ghana"),
    Office(604, 604, u"GS1 Senegal"),
    Office(605, 605, u"GS1 Uganda"),
    Office(606, 606, u"GS1 Angola"),
    Office(607, 607, u"GS1 Oman"),
    Office(608, 608, u"GS1 Bahrain"),
    Office(609, 609, u"GS1 Mauritius"),
    Office(611, 611, u"GS1 Morocco"),
    Office(613, 613, u"GS1 Algeria"),
    Office(615, 615, u"GS1 Nigeria"),
    Office(616, 616, u"GS1 Kenya"),
    Office(617, 617, u"GS1 Cameroon"),
    Office(618, 618, u"GS1 Côte d'Ivoire"),
    Office(619, 619, u"GS1 Tunisia"),
    Office(620, 620, u"GS1 Tanzania"),
    Office(621, 621, u"GS1 Syria"),
    Office(622, 622, u"GS1 Egypt"),
    Office(623, 623, u"GS1 Brunei"),
    Office(624, 624, u"GS1 Libya"),
    Office(625, 625, u"GS1 Jordan"),
    Office(626, 626, u"GS1 Iran"),
    Office(627, 627, u"GS1 Kuwait"),
    Office(628, 628, u"GS1 Saudi Arabia"),
    Office(629, 629, u"GS1 Emirates"),
    Office(630, 630, u"GS1 Qatar"),
    Office(631, 631, u"GS1 Namibia"),
    Office(640, 649, u"GS1 Finland"),
    Office(690, 699, u"GS1 China"),
    Office(700, 709, u"GS1 Norway"),
    Office(729, 729, u"GS1 Israel"),
    Office(730, 739, u"GS1 Sweden"),
    Office(740, 740, u"GS1 Guatemala"),
    Office(741, 741, u"GS1 El Salvador"),
    Office(742, 742, u"GS1 Honduras"),
    Office(743, 743, u"GS1 Nicaragua"),
    Office(744, 744, u"GS1 Costa Rica"),
    Office(745, 745, u"GS1 Panama"),
    Office(746, 746, u"GS1 Republica Dominicana"),
    Office(750, 750, u"GS1 Mexico"),
    Office(754, 755, u"GS1 Canada"),
    Office(759, 759, u"GS1 Venezuela"),
    Office(760, 769, u"GS1 Switzerland"),
    Office(770, 771, u"GS1 Colombia"),
    Office(773, 773, u"GS1 Uruguay"),
    Office(775, 775, u"GS1 Peru"),
    Office(777, 777, u"GS1 Bolivia"),
    Office(778, 779, u"GS1 Argentina"),
    Office(780, 780, u"GS1 Chile"),
    Office(784, 784, u"GS1 Paraguay"),
    Office(786, 786, u"GS1 Ecuador"),
    Office(789, 790, u"GS1 Brasil"),
    Office(800, 839, u"GS1 Italy"),
    Office(840, 849, u"GS1 Spain"),
    Office(850, 850, u"GS1 Cuba"),
    Office(858, 858, u"GS1 Slovakia"),
    Office(859, 859, u"GS1 Czech"),
    Office(860, 860, u"GS1 Serbia"),
    Office(865, 865, u"GS1 Mongolia"),
    Office(867, 867, u"GS1 North Korea"),
    Office(868, 869, u"GS1 Türkiye"),
    Office(870, 879, u"GS1 Netherlands"),
    Office(880, 880, u"GS1 Korea"),
    Office(883, 883, u"GS1 Myanmar"),
    Office(884, 884, u"GS1 Cambodia"),
    Office(885, 885, u"GS1 Thailand"),
    Office(888, 888, u"GS1 Singapore"),
    Office(890, 890, u"GS1 India"),
    Office(893, 893, u"GS1 Vietnam"),
    Office(896, 896, u"GS1 Pakistan"),
    Office(899, 899, u"GS1 Indonesia"),
    Office(900, 919, u"GS1 Austria"),
    Office(930, 939, u"GS1 Australia"),
    Office(940, 949, u"GS1 New Zealand"),
    Office(950, 952, u"GS1 Global Office"),
    Office(955, 955, u"GS1 Malaysia"),
    Office(958, 958, u"GS1 Macau, China"),
    Office(960, 969, u"GS1 Global Office"), // GTIN-8 allocations, by GS1 UK and the Global Office
    Special(977, 977, CodeKind::Issn),
    Special(978, 979, CodeKind::Isbn), // 979-0 is the ISMN, told apart by its fourth digit
    Special(980, 980, CodeKind::RefundReceipt),
    Special(981, 984, CodeKind::Coupon),
    Special(990, 999, CodeKind::Coupon),
};

// EAN-8 codes have prefixes of their own in the same list: 0 are velocity codes and 2 in-store
// codes, both restricted circulation; 100-139 are GS1 US's; from 300 to 969 they belong to the
// same offices as GTIN-13 prefixes (added below from the table above); 970-999 are not used.
constexpr Gs1PrefixRange kEightDigitPrefixes[] = {
    Special(0, 99, CodeKind::RestrictedCirculation),
    Office(100, 139, u"GS1 US"),
    Special(200, 299, CodeKind::RestrictedCirculation),
};

constexpr bool InOrderWithoutOverlaps(std::span<const Gs1PrefixRange> ranges)
{
    int previous = -1;
    for (const Gs1PrefixRange& range : ranges) {
        if (range.first <= previous || range.last < range.first || range.last > 999)
            return false;
        previous = range.last;
    }
    return true;
}
static_assert(InOrderWithoutOverlaps(kPrefixes), "GS1 prefix lines out of order or overlapping");
static_assert(InOrderWithoutOverlaps(kEightDigitPrefixes),
              "EAN-8 prefix lines out of order or overlapping");

// The EAN-8 table whole: its own lines, then the offices from 300 to 969 of the GTIN-13 table.
constexpr std::size_t kOfficesFrom300 =
    std::count_if(std::begin(kPrefixes), std::end(kPrefixes), [](const Gs1PrefixRange& range) {
        return range.first >= 300 && range.last <= 969 && range.special == CodeKind::Unknown;
    });
constexpr auto kAllEightDigitPrefixes = [] {
    std::array<Gs1PrefixRange, std::size(kEightDigitPrefixes) + kOfficesFrom300> all{};
    std::size_t n = 0;
    for (const Gs1PrefixRange& range : kEightDigitPrefixes)
        all[n++] = range;
    for (const Gs1PrefixRange& range : kPrefixes) {
        if (range.first >= 300 && range.last <= 969 && range.special == CodeKind::Unknown)
            all[n++] = range;
    }
    return all;
}();
static_assert(InOrderWithoutOverlaps(kAllEightDigitPrefixes));
} // namespace

std::span<const Gs1PrefixRange> Gs1Prefixes()
{
    return kPrefixes;
}

std::span<const Gs1PrefixRange> Gs1EightDigitPrefixes()
{
    return kAllEightDigitPrefixes;
}
