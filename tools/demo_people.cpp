// Participants and the competition header of the sample competition.
#include "demo_competition.h"

#include "trop/store/cp1250.h"
#include "trop/store/fixed_text.h"

#include <array>

namespace trop::demo {
namespace {

struct Surname {
    const char* male;
    const char* female;
};

constexpr std::array<Surname, 24> kSurnames = {{
    {"Kowalski", "Kowalska"},   {"Nowak", "Nowak"},           {"Wiśniewski", "Wiśniewska"},
    {"Wójcik", "Wójcik"},       {"Kamiński", "Kamińska"},     {"Lewandowski", "Lewandowska"},
    {"Zieliński", "Zielińska"}, {"Szymański", "Szymańska"},   {"Woźniak", "Woźniak"},
    {"Dąbrowski", "Dąbrowska"}, {"Kozłowski", "Kozłowska"},   {"Jankowski", "Jankowska"},
    {"Mazur", "Mazur"},         {"Kwiatkowski", "Kwiatkowska"}, {"Krawczyk", "Krawczyk"},
    {"Piotrowski", "Piotrowska"}, {"Grabowski", "Grabowska"}, {"Pawłowski", "Pawłowska"},
    {"Michalski", "Michalska"}, {"Król", "Król"},             {"Wieczorek", "Wieczorek"},
    {"Jabłoński", "Jabłońska"}, {"Wróbel", "Wróbel"},         {"Stępień", "Stępień"},
}};

constexpr std::array<const char*, 12> kMaleNames = {"Jan",   "Piotr", "Krzysztof", "Tomasz", "Paweł",  "Michał",
                                                    "Łukasz", "Marek", "Grzegorz",  "Jakub",  "Wojciech", "Adam"};
constexpr std::array<const char*, 12> kFemaleNames = {"Anna",  "Maria",    "Katarzyna", "Małgorzata", "Agnieszka", "Ewa",
                                                      "Zofia", "Magdalena", "Joanna",   "Barbara",    "Dorota",    "Łucja"};

struct Affiliation {
    const char* club;
    const char* town;
};

constexpr std::array<Affiliation, 8> kAffiliations = {{
    {"PTTK Mazowsze", "Warszawa"},
    {"KInO Azymut", "Łódź"},
    {"UKS Orientuś", "Żyrardów"},
    {"SKPT Kraków", "Kraków"},
    {"", "Płock"},
    {"KTT Wędrownik", "Błonie"},
    {"PTTK Oddział Ziemi Kutnowskiej", ""},
    {"AZS Politechnika", "Gdańsk"},
}};

// Team sizes repeat this pattern: one to four members.
constexpr std::array<int, 7> kTeamSizes = {2, 3, 1, 4, 2, 2, 3};

MemberRecord demoMember(int team, int person, int category)
{
    MemberRecord record{};
    record.teamNumber = team;
    const int seed = person * 7 + category * 13;
    const bool female = seed % 3 == 0;
    const std::size_t round = static_cast<std::size_t>(person) / kSurnames.size();
    const Surname& surname = kSurnames[(person * 11 + category * 5 + round * 7) % kSurnames.size()];
    setFieldText(record.surname, utf8ToCp1250(female ? surname.female : surname.male));
    const std::size_t name = static_cast<std::size_t>(seed) + round * 5;
    setFieldText(record.firstName,
                 utf8ToCp1250(female ? kFemaleNames[name % kFemaleNames.size()] : kMaleNames[name % kMaleNames.size()]));
    const Affiliation& affiliation = kAffiliations[(team + category) % kAffiliations.size()];
    setFieldText(record.club, utf8ToCp1250(affiliation.club));
    setFieldText(record.town, utf8ToCp1250(affiliation.town));
    // Category TU is open, TP holds young walkers as well.
    record.birthYear = category == 0 ? 1975 + (seed * 17) % 35 : 1950 + (seed * 23) % 55;
    record.birthYearSet = person % 9 == 4 ? 0 : 1;
    if (record.birthYearSet == 0)
        record.birthYear = 0;
    setFieldText(record.entryFee, utf8ToCp1250(person % 4 == 0 ? "40 zł" : "35"));
    return record;
}

} // namespace

CompetitionHeader demoCompetitionHeader()
{
    CompetitionHeader header{};
    setFieldText(header.dateText, utf8ToCp1250("12-13 września 2026"));
    setFieldText(header.fullName1, utf8ToCp1250("XXXI Mazowiecki Rajd na Orientację"));
    setFieldText(header.fullName2, utf8ToCp1250("„Wrzos 2026”"));
    setFieldText(header.fullName3, utf8ToCp1250("Puszcza Kampinoska, baza w Truskawiu"));
    return header;
}

std::unique_ptr<MemberTable> demoMembers(int category)
{
    auto table = std::make_unique<MemberTable>();
    *table = MemberTable{};
    const DemoCategory& info = kDemoCategories[category];
    int slot = 0;
    for (int t = 0; t < info.teamCount; ++t) {
        const int size = kTeamSizes[(t + category) % kTeamSizes.size()];
        for (int m = 0; m < size && slot < kMaxMembers; ++m, ++slot)
            table->records[slot] = demoMember(info.firstTeamNumber + t, slot, category);
    }
    return table;
}

} // namespace trop::demo
