// The control points editor and the code dialog without widgets.
#include "../model/stage_builder.h"
#include "navigation_fakes.h"
#include "trop/ui/route/code_dialog_flow.h"
#include "trop/ui/route/control_points_rules.h"

#include <gtest/gtest.h>

using namespace trop;
using namespace trop::test;

namespace {

const std::string kRangeOneToOne = "Wprowadź liczbę całkowitą z zakresu od 1 do 1.";

// An editor opened on a stage folder holding the builder's route.
struct Editor {
    explicit Editor(StageBuilder& builder)
    {
        EXPECT_TRUE(saveStageDefinition(folder.path(), builder.stage()));
        rules.open();
    }
    TempFolder folder;
    MessageRecorder messages;
    std::unique_ptr<StageDefinition> stage = std::make_unique<StageDefinition>();
    ControlPointsRules rules{*stage, folder.path()};
};

} // namespace

TEST(CodeDialogFlow, RefusesEmptyLongAndDuplicateCodes)
{
    struct Case {
        const char* opened;
        const char* typed;
        bool accepted;
        int messageId; // -1 none, 0 a formatted text
        const char* code;
    };
    const Case cases[] = {
        {"A", "A", true, -1, "A"},   {"A", "B", false, 17, ""},  {"", "  ", false, 0, ""},
        {"", " C ", true, -1, "C"},  {"", "CDE", false, 0, ""},  {"", "b", true, -1, "b"},
    };
    StageBuilder builder({"A", "B"});
    for (const Case& c : cases) {
        MessageRecorder messages;
        CodeDialogFlow flow(builder.stage(), c.opened, kNewCodeColour);
        EXPECT_EQ(flow.accept(c.typed), c.accepted) << c.typed;
        EXPECT_EQ(messages.ids(), c.messageId < 0 ? std::vector<int>{} : std::vector<int>{c.messageId}) << c.typed;
        if (c.accepted) {
            EXPECT_EQ(flow.code(), c.code);
        }
    }
}

TEST(CodeDialogFlow, AddedCodeIsSavedOrTakenBackWhenSavingFails)
{
    TempFolder folder;
    MessageRecorder messages;
    StageBuilder builder({"A"});
    EXPECT_EQ(appendCodeAndSave(folder.path(), builder.stage(), "X", 0x123), 2);
    StageDefinition loaded{};
    ASSERT_TRUE(loadStageDefinition(folder.path(), loaded));
    EXPECT_EQ(codeText(loaded, 2), "X");
    EXPECT_EQ(appendCodeAndSave(folder.path() / "missing", builder.stage(), "Y", 0x123), std::nullopt);
    EXPECT_EQ(builder.stage().codeCount, 3);
    EXPECT_EQ(messages.ids(), std::vector<int>{7});
}

TEST(ControlPointsRules, NewStageOpensOnTheEmptySlotAndTheFirstMarkerMakesThePoint)
{
    TempFolder folder;
    MessageRecorder messages;
    auto stage = std::make_unique<StageDefinition>();
    ControlPointsRules rules(*stage, folder.path());
    rules.open();
    EXPECT_EQ(rules.pointNumberText(), "1");
    EXPECT_EQ(rules.codeButton(0), (ButtonFace{"bpk", 0xE6E6E6, true}));
    EXPECT_EQ(rules.codeButton(1), (ButtonFace{"+", kPlusColour, true}));
    EXPECT_FALSE(rules.codeButton(2).visible);
    EXPECT_FALSE(rules.clickCode(0)) << "not adding";
    rules.clickPointButton(PointList::Controls, 0);
    EXPECT_EQ(rules.pointButton(PointList::Controls, 0), (ButtonFace{"?", kAddingColour, true}));
    EXPECT_TRUE(rules.clickCode(0));
    EXPECT_EQ(stage->pointCount, 1);
    EXPECT_EQ(rules.pointButton(PointList::Controls, 0).text, "bpk");
    EXPECT_EQ(rules.addingMode(), AddingMode::None);
    EXPECT_TRUE(messages.asked.empty());
}

TEST(ControlPointsRules, AnUnreadableDefinitionClosesTheEditorWithoutQuestions)
{
    TempFolder folder;
    MessageRecorder messages;
    std::filesystem::create_directory(folder.path() / kStageDefinitionFileName);
    auto stage = std::make_unique<StageDefinition>();
    ControlPointsRules rules(*stage, folder.path());
    rules.open();
    EXPECT_TRUE(rules.loadFailed());
    PointFields fields;
    const EditorClosing closing = rules.close(fields);
    EXPECT_TRUE(closing.closes);
    EXPECT_FALSE(closing.opensGroups);
    EXPECT_EQ(messages.ids(), std::vector<int>{7});
}

TEST(ControlPointsRules, ValidationRefusesWithItsMessageAndFocus)
{
    struct Case {
        PointFields fields;
        int messageId;
        std::string text;
        PointField focus;
    };
    const Case cases[] = {
        {{"LAS", "", "1"}, 22, "", PointField::Description1},
        {{"  ", "", "1"}, 20, "", PointField::Description1},
        {{"A", "O1", "1"}, 22, "", PointField::Description2},
        {{"A", "", "x"}, 0, "Wprowadź liczbę całkowitą.", PointField::Confirmations},
        {{"A", "", "2", true}, 0, kRangeOneToOne, PointField::Confirmations},
    };
    StageBuilder builder;
    builder.point({"K", {1}});
    for (const Case& c : cases) {
        Editor editor(builder);
        PointFields fields = c.fields;
        const PointStep step = editor.rules.next(fields);
        EXPECT_FALSE(step.done);
        EXPECT_EQ(step.focus, c.focus) << c.fields.description1;
        ASSERT_EQ(editor.messages.asked.size(), 1u);
        EXPECT_EQ(editor.messages.asked[0].id, c.messageId);
        if (!c.text.empty()) {
            EXPECT_EQ(editor.messages.asked[0].text, c.text);
        }
        EXPECT_EQ(editor.rules.currentPoint(), 0);
        EXPECT_FALSE(editor.rules.changed());
    }
}

TEST(ControlPointsRules, CommitTrimsAsksAboutRepeatedDescriptionsOnlyWhenChanged)
{
    StageBuilder builder;
    builder.point({"K", {1}}).point({"M", {2}});
    Editor editor(builder);
    PointFields fields = editor.rules.pointFields();
    ASSERT_TRUE(editor.rules.next(fields).done); // unchanged "K": no question
    EXPECT_TRUE(editor.messages.asked.empty());

    fields.description1 = " K ";
    editor.messages.answers = {MessageAnswer::No};
    const PointStep refused = editor.rules.next(fields);
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(editor.messages.ids(), std::vector<int>{21});
    EXPECT_FALSE(editor.rules.changed());

    editor.messages.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(editor.rules.next(fields).done);
    EXPECT_EQ(pointLabel(*editor.stage, 1), "K");
    EXPECT_EQ(editor.rules.currentPoint(), 2) << "the empty slot";
    EXPECT_TRUE(editor.rules.changed());

    ASSERT_TRUE(editor.rules.previous(fields).done);
    ASSERT_TRUE(editor.rules.previous(fields).done); // "K" kept as it is stored
    EXPECT_EQ(editor.messages.ids(), (std::vector<int>{21, 21}));
}

TEST(ControlPointsRules, NothingIsCommittedOnTheEmptySlot)
{
    StageBuilder builder;
    builder.point({"K", {1}});
    Editor editor(builder);
    PointFields fields = editor.rules.pointFields();
    ASSERT_TRUE(editor.rules.next(fields).done);
    fields.description1 = "Z";
    fields.isLop = true;
    ASSERT_TRUE(editor.rules.next(fields).done);
    EXPECT_EQ(fields.description1, "Z") << "staying keeps the typing";
    EXPECT_FALSE(editor.rules.deletePoint());
    ASSERT_TRUE(editor.rules.previous(fields).done);
    EXPECT_EQ(editor.stage->pointCount, 1);
    EXPECT_FALSE(editor.rules.changed());
}

TEST(ControlPointsRules, TickingKeepsLopAndAreaApartAndOutOfSharedGroups)
{
    StageBuilder builder;
    builder.point({"K", {1}}).point({"M", {2}}).group({0, 1}, 1);
    Editor editor(builder);
    const PointFields stored = editor.rules.pointFields();
    PointFields fields = stored;
    fields.isLop = true; // as the box holds it when clicked
    EXPECT_EQ(editor.rules.tick(fields, PointTick::Lop, true), stored);
    EXPECT_EQ(editor.messages.ids(), std::vector<int>{14});

    builder.stage().groupCount = 0;
    Editor alone(builder);
    fields = alone.rules.tick(alone.rules.pointFields(), PointTick::Lop, true);
    fields.confirmations = "3";
    fields = alone.rules.tick(fields, PointTick::Area, true);
    EXPECT_TRUE(fields.isArea && !fields.isLop);
    EXPECT_EQ(fields.confirmations, "3");
    fields = alone.rules.tick(fields, PointTick::Area, false);
    EXPECT_EQ(fields.confirmations, "1");
    EXPECT_FALSE(ControlPointsRules::confirmationsEnabled(fields));
}

TEST(ControlPointsRules, EditedCodeShowsAtOnceAndDeletedCodeLeavesThePoints)
{
    StageBuilder builder({"B", "A"});
    builder.point({"K", {1, 2}});
    Editor editor(builder);
    EXPECT_EQ(editor.rules.codeButton(1).text, "A"); // display order
    editor.rules.editCode(2, CodeChoice{"Z", 0x42});
    EXPECT_EQ(editor.rules.pointButton(PointList::Controls, 0), (ButtonFace{"Z", 0x42, true}));
    EXPECT_EQ(editor.rules.codeButton(2).text, "Z");
    editor.rules.deleteCode(1); // "A", entry 2
    EXPECT_EQ(editor.stage->points[0].controlCount, 1);
    EXPECT_EQ(editor.rules.pointButton(PointList::Controls, 0).text, "Z");
    EXPECT_TRUE(editor.rules.changed());
}

TEST(ControlPointsRules, CodesAreNotDeletedWhileResultsExist)
{
    StageBuilder builder({"A"});
    TempFolder folder;
    folder.writeFile("Results", "");
    ASSERT_TRUE(saveStageDefinition(folder.path(), builder.stage()));
    auto stage = std::make_unique<StageDefinition>();
    ControlPointsRules rules(*stage, folder.path());
    rules.open();
    EXPECT_TRUE(rules.codeMenuOffered(1));
    EXPECT_FALSE(rules.codeMenuOffered(0));
    EXPECT_FALSE(rules.codeDeletionEnabled());
    rules.deleteCode(1);
    EXPECT_EQ(stage->codeCount, 2);
}

TEST(ControlPointsRules, ClosingSavesOrStaysOpenWhenTheSaveFails)
{
    StageBuilder builder;
    builder.point({"K", {1}});
    {
        Editor editor(builder);
        PointFields fields = editor.rules.pointFields();
        fields.markedOnMap = true;
        const EditorClosing closing = editor.rules.close(fields);
        EXPECT_TRUE(closing.closes && closing.opensGroups);
        EXPECT_EQ(editor.messages.ids(), std::vector<int>{13});
        StageDefinition saved{};
        ASSERT_TRUE(loadStageDefinition(editor.folder.path(), saved));
        EXPECT_EQ(saved.points[0].markedOnMap, 1);
        EXPECT_TRUE(std::filesystem::exists(editor.folder.path() / "UserColor"));
    }
    Editor editor(builder);
    PointFields fields = editor.rules.pointFields();
    fields.markedOnMap = true;
    std::filesystem::remove_all(editor.folder.path());
    const EditorClosing closing = editor.rules.close(fields);
    EXPECT_FALSE(closing.closes);
    EXPECT_EQ(editor.messages.ids(), (std::vector<int>{7, 13, 7}));
    EXPECT_EQ(editor.stage->points[0].markedOnMap, 1) << "the changes stay";
}
