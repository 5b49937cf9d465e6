#include "members_csv_import.h"

#include "members_csv_columns.h"
#include "trop/store/cp1250.h"
#include "trop/store/file_io.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <set>

namespace trop {
namespace {

constexpr int kMissing = -1;

// Lower case for comparing titles: ASCII and the Polish capitals.
std::string foldCase(std::string_view utf8)
{
    static const std::map<std::string, std::string> polish = {
        {"Ą", "ą"}, {"Ć", "ć"}, {"Ę", "ę"}, {"Ł", "ł"}, {"Ń", "ń"},
        {"Ó", "ó"}, {"Ś", "ś"}, {"Ź", "ź"}, {"Ż", "ż"}};
    std::string out;
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const char c = utf8[at];
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
            continue;
        }
        const auto found = at + 1 < utf8.size() ? polish.find(std::string(utf8.substr(at, 2))) : polish.end();
        if (found != polish.end()) {
            out += found->second;
            ++at;
            continue;
        }
        out += c;
    }
    return out;
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Line breaks inside a quoted cell become one blank each: the record's
// texts are single lines.
std::string singleLine(std::string_view text)
{
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r' || text[at] == '\n') {
            if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
                ++at;
            out += ' ';
        } else {
            out += text[at];
        }
    }
    return out;
}

// A whole number with an optional sign; nothing for anything else.
std::optional<long long> wholeNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long long value = 0;
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || problem != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string quotedTitle(std::string_view title)
{
    std::string quoted(1, '"');
    quoted.append(title).push_back('"');
    return quoted;
}

class Planner {
public:
    Planner(const MemberTable& table, int count, std::string_view categoryName, int currentYear)
        : table_(table), count_(count), categoryName_(categoryName), currentYear_(currentYear)
    {
        for (int slot = 0; slot < count; ++slot)
            ++teamSizes_[table.records[slot].teamNumber];
    }

    ImportPlan run(std::string_view fileBytes)
    {
        const DecodedText decoded = decodeSpreadsheetText(fileBytes);
        plan_.encoding = decoded.encoding;
        const CsvTable csv = parseCsv(decoded.utf8);
        plan_.separator = csv.separator;
        if (csv.unclosedQuoteLine != 0)
            error(csv.unclosedQuoteLine, "cudzysłów otwarty w tym wierszu nie został zamknięty");
        if (csv.rows.empty()) {
            error(1, "plik nie zawiera wiersza z nazwami kolumn");
            return std::move(plan_);
        }
        if (!readHeader(csv.rows.front()))
            return std::move(plan_);
        for (std::size_t r = 1; r < csv.rows.size(); ++r)
            readRow(csv.rows[r]);
        if (plan_.errors.empty() && plan_.members.empty())
            error(csv.rows.front().line, "plik nie zawiera żadnego uczestnika");
        countTeams();
        return std::move(plan_);
    }

private:
    void error(int line, std::string text) { plan_.errors.push_back({line, std::move(text)}); }
    void warning(int line, std::string text) { plan_.warnings.push_back({line, std::move(text)}); }

    bool readHeader(const CsvRow& header)
    {
        columnOfCell_.assign(header.cells.size(), kMissing);
        for (std::size_t cell = 0; cell < header.cells.size(); ++cell) {
            const std::string title = foldCase(trimmed(header.cells[cell]));
            int found = kMissing;
            for (std::size_t c = 0; c < kMemberColumns.size(); ++c)
                if (title == foldCase(kMemberColumns[c].title))
                    found = static_cast<int>(c);
            if (found == kMissing) {
                if (!title.empty())
                    warning(header.line, "nieznana kolumna " + quotedTitle(trimmed(header.cells[cell])) + " zostanie pominięta");
                continue;
            }
            if (seen_.count(found) != 0) {
                error(header.line, "kolumna " + quotedTitle(kMemberColumns[found].title) + " występuje dwa razy");
                continue;
            }
            seen_.insert(found);
            columnOfCell_[cell] = found;
        }
        for (int required : {0, 1})
            if (seen_.count(required) == 0)
                error(header.line, "brak wymaganej kolumny " + quotedTitle(kMemberColumns[required].title));
        return plan_.errors.empty();
    }

    void readRow(const CsvRow& row)
    {
        MemberRecord member{};
        bool rowOk = true;
        bool hasTeam = false;
        bool hasSurname = false;
        for (std::size_t cell = 0; cell < row.cells.size() && cell < columnOfCell_.size(); ++cell) {
            if (columnOfCell_[cell] == kMissing)
                continue;
            const MemberColumn& column = kMemberColumns[columnOfCell_[cell]];
            const std::string& text = row.cells[cell];
            switch (column.kind) {
            case MemberColumnKind::TeamNumber:
                hasTeam = !trimmed(text).empty();
                rowOk = readTeamNumber(row.line, text, member) && rowOk;
                break;
            case MemberColumnKind::BirthYear:
                rowOk = readBirthYear(row.line, text, member) && rowOk;
                break;
            case MemberColumnKind::Text:
                if (column.field == MemberField::Surname)
                    hasSurname = !trimmed(text).empty();
                rowOk = readText(row.line, column, text, member) && rowOk;
                break;
            }
        }
        if (!hasTeam)
            error(row.line, "brak numeru drużyny (kolumna \"Nr\")");
        if (!hasSurname)
            error(row.line, "brak nazwiska (kolumna \"Nazwisko\")");
        if (!rowOk || !hasTeam || !hasSurname)
            return;
        if (!makeRoom(row.line, member.teamNumber))
            return;
        checkAge(row.line, member);
        plan_.members.push_back(member);
        plan_.memberLines.push_back(row.line);
    }

    bool readTeamNumber(int line, std::string_view text, MemberRecord& member)
    {
        if (trimmed(text).empty())
            return false;
        const std::optional<long long> number = wholeNumber(trimmed(text));
        if (!number || *number < 1 || *number > kMaxImportedTeamNumber) {
            error(line, "numer drużyny \"" + std::string(trimmed(text)) +
                            "\" nie jest liczbą całkowitą z zakresu od 1 do " + std::to_string(kMaxImportedTeamNumber));
            return false;
        }
        member.teamNumber = static_cast<int>(*number);
        return true;
    }

    // Blank: no year. One or two digits: as typed in the member dialog.
    // Otherwise a whole year of three or four digits.
    bool readBirthYear(int line, std::string_view text, MemberRecord& member)
    {
        const std::string_view year = trimmed(text);
        if (year.empty())
            return true;
        const bool digitsOnly = year.find_first_not_of("0123456789") == std::string_view::npos;
        const std::optional<long long> value = digitsOnly ? wholeNumber(year) : std::nullopt;
        if (!value || year.size() > 4) {
            error(line, "rok urodzenia \"" + std::string(year) + "\" nie jest rokiem (dwie lub cztery cyfry)");
            return false;
        }
        member.birthYear = year.size() <= 2 ? birthYearFromDigits(static_cast<int>(*value), currentYear_)
                                            : static_cast<int>(*value);
        member.birthYearSet = 1;
        return true;
    }

    bool readText(int line, const MemberColumn& column, std::string_view cell, MemberRecord& member)
    {
        std::string text = singleLine(cell);
        if (!text.empty() && text.front() == '\'' && formulaBehindApostrophes(text))
            text.erase(text.begin());
        const std::optional<std::string> bytes = utf8ToCp1250Exact(text);
        if (!bytes) {
            error(line, "kolumna " + quotedTitle(column.title) + " zawiera znaki spoza strony kodowej 1250");
            return false;
        }
        const int capacity = memberFieldCapacity(column.field);
        if (static_cast<int>(bytes->size()) > capacity) {
            error(line, "kolumna " + quotedTitle(column.title) + " ma " + std::to_string(bytes->size()) +
                            " znaków, mieści się w niej najwyżej " + std::to_string(capacity));
            return false;
        }
        setMemberFieldText(member, column.field, *bytes);
        return true;
    }

    bool makeRoom(int line, int team)
    {
        if (count_ + static_cast<int>(plan_.members.size()) >= kMaxMembers) {
            if (!tableFullReported_)
                error(line, "lista uczestników kategorii przekroczyłaby " + std::to_string(kMaxMembers) + " osób");
            tableFullReported_ = true;
            return false;
        }
        int& size = teamSizes_[team];
        if (size >= kMaxTeamMembers) {
            error(line, "drużyna nr " + std::to_string(team) + " miałaby więcej niż " +
                            std::to_string(kMaxTeamMembers) + " uczestników");
            return false;
        }
        ++size;
        return true;
    }

    void checkAge(int line, const MemberRecord& member)
    {
        if (member.birthYearSet != 1)
            return;
        if (const std::optional<int> limit = ageCheckFails(categoryName_, member.birthYear, currentYear_))
            warning(line, "wiek uczestnika przekracza " + std::to_string(*limit) + " lat (kategoria " +
                              std::string(categoryName_) + ")");
    }

    void countTeams()
    {
        std::set<int> existing;
        for (int slot = 0; slot < count_; ++slot)
            existing.insert(table_.records[slot].teamNumber);
        std::set<int> added;
        for (const MemberRecord& member : plan_.members)
            added.insert(member.teamNumber);
        for (int team : added)
            ++(existing.count(team) != 0 ? plan_.extendedTeams : plan_.newTeams);
    }

    const MemberTable& table_;
    int count_;
    std::string_view categoryName_;
    int currentYear_;
    std::map<int, int> teamSizes_;
    std::vector<int> columnOfCell_;
    std::set<int> seen_;
    bool tableFullReported_ = false;
    ImportPlan plan_;
};

} // namespace

std::optional<std::string> readMembersFile(const std::filesystem::path& file)
{
    const FileBytes read = readFileUpTo(file, kMaxMembersFileBytes + 1);
    if (read.status != ReadStatus::Ok || read.bytes.size() > kMaxMembersFileBytes)
        return std::nullopt;
    return std::string(read.bytes.begin(), read.bytes.end());
}

ImportPlan planMemberImport(std::string_view fileBytes, const MemberTable& table, int count,
                            std::string_view categoryName, int currentYear)
{
    return Planner(table, std::clamp(count, 0, kMaxMembers), categoryName, currentYear).run(fileBytes);
}

bool applyMemberImport(const ImportPlan& plan, MemberTable& table)
{
    if (!plan.accepted() || memberCount(table) + static_cast<int>(plan.members.size()) > kMaxMembers)
        return false;
    for (const MemberRecord& member : plan.members)
        insertMember(table, member);
    return true;
}

std::string importSummary(const ImportPlan& plan)
{
    if (!plan.errors.empty())
        return "Plik zawiera błędy (" + std::to_string(plan.errors.size()) + "), nikt nie zostanie dodany.";
    if (plan.members.empty())
        return "Plik nie zawiera żadnego uczestnika.";
    return "Do dodania uczestników: " + std::to_string(plan.members.size()) + ", nowe drużyny: " +
           std::to_string(plan.newTeams) + ", uzupełnione drużyny: " + std::to_string(plan.extendedTeams) + ".";
}

std::string importRefusedForResultsMessage(std::string_view stageNames)
{
    return "Import uczestników jest niemożliwy, ponieważ istnieją już pliki z wynikami etapów " +
           std::string(stageNames) + ".";
}

} // namespace trop
