// A small stage on disk for the card entry tests: a route of three points,
// four teams (team 2 all seniors) and their cards.
#pragma once

#include "../ui/navigation_fakes.h"
#include "trop/model/results.h"
#include "trop/model/stage_file.h"
#include "trop/store/fixed_text.h"
#include "trop/ui/cards/box_editor_rules.h"
#include "trop/ui/cards/card_entry_rules.h"
#include "trop/ui/cards/start_cards_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

namespace trop::test {

inline constexpr int kYear = 2026;

// Codes: 0 "bpk", 1 "AB", 2 "cd", 3 "X1"; points: 0 "A"+"B" (AB), 1 "C" (cd),
// 2 LOP "3" (X1). Limit 100 minutes, late limit 30.
inline void writeSmallRoute(const std::filesystem::path& folder)
{
    auto stage = std::make_unique<StageDefinition>();
    std::memset(stage.get(), 0, sizeof(StageDefinition));
    applyStageDefaults(*stage);
    addCode(*stage, 0x000000FF, "AB");
    addCode(*stage, 0x0000FF00, "cd");
    addCode(*stage, 0x00FF0000, "X1");
    struct Point {
        const char* d1;
        const char* d2;
        int code;
        int lop;
    };
    for (const Point& p : {Point{"A", "B", 1, 0}, Point{"C", "", 2, 0}, Point{"3", "", 3, 1}}) {
        RoutePoint& point = stage->points[stage->pointCount++];
        setFieldText(point.description1, p.d1);
        setFieldText(point.description2, p.d2);
        point.isLop = p.lop;
        point.confirmations = 1;
        point.controls[point.controlCount++].codeIndex = p.code;
        if (!p.lop)
            ++stage->requiredConfirmations;
    }
    stage->timeLimit = 100;
    stage->lateLimit = 30;
    stage->stageConstant = 1000;
    ASSERT_TRUE(saveStageDefinition(folder, *stage));
}

inline MemberRecord member(int team, const char* surname, int birthYear)
{
    MemberRecord record{};
    record.teamNumber = team;
    setFieldText(record.surname, surname);
    record.birthYear = birthYear;
    record.birthYearSet = birthYear != 0;
    return record;
}

// The start cards list of the small stage, opened; messages recorded.
class CardsFixture : public ::testing::Test {
public:
    void SetUp() override
    {
        std::memset(members.get(), 0, sizeof(MemberTable));
        // "Żółć" in code page 1250, to see the capitals of Polish letters.
        for (const MemberRecord& record : {member(1, "Nowak", 1990), member(1, "\xAF\xF3\xB3\xE6", 1991),
                                           member(2, "Stary", 1950), member(2, "Dziadek", 1940),
                                           member(3, "Bezroku", 0), member(3, "Senior", 1930),
                                           member(5, "Kowal", 2000)})
            insertMember(*members, record);
        writeSmallRoute(folder.path());
        openList();
    }

    void openList()
    {
        list = std::make_unique<StartCardsRules>(folder.path(), *members, "E1", kYear);
        ASSERT_TRUE(list->open());
    }

    std::unique_ptr<CardEntryRules> card(int team) { return list->openCard(team); }
    ResultsTable& table() { return *list->cards().table; }
    const ControlCard& stored(int team) { return table().cards[findCard(table(), team)]; }

    static CardFieldTexts texts(const std::string& ts, const std::string& tm, const std::string& pk = "",
                                const std::string& task = "0")
    {
        return {ts, tm, pk, task};
    }
    // The texts the window shows for the card, as a judge who typed nothing.
    static CardFieldTexts shown(const CardEntryRules& rules) { return rules.view().fields; }

    // Types the start and the finish time, leaving each field.
    static void enterTimes(CardEntryRules& rules, const std::string& ts, const std::string& tm)
    {
        rules.leaveField(CardField::StartTime, texts(ts, ""));
        CardFieldTexts typed = shown(rules);
        fieldIn(typed, CardField::FinishTime) = tm;
        rules.leaveField(CardField::FinishTime, typed);
    }

    // Types code and description into a box through the editor.
    static void typeBox(CardEntryRules& rules, int box, const std::string& code, const std::string& description)
    {
        std::unique_ptr<BoxEditorRules> editor = rules.openBoxEditor(box);
        editor->codeFieldEntered();
        editor->leaveCode(code);
        editor->leaveDescription(description, false);
        rules.boxEditorEnded(*editor, shown(rules));
    }

    TempFolder folder;
    std::unique_ptr<MemberTable> members = std::make_unique<MemberTable>();
    std::unique_ptr<StartCardsRules> list;
    MessageRecorder messages;
};

} // namespace trop::test
