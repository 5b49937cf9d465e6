// The confirmation editor's rules: typed codes and descriptions, clearing,
// manual values, unknown codes, "Tramwaj".
#include "cards_fixture.h"

#include "trop/ui/cards/typed_confirmation.h"

namespace trop::test {
namespace {

class BoxEditorTest : public CardsFixture {
protected:
    void SetUp() override
    {
        CardsFixture::SetUp();
        rules = card(1);
        enterTimes(*rules, "0", "60");
    }
    const Confirmation& box(int index) { return rules->card().boxes[index]; }

    std::unique_ptr<CardEntryRules> rules;
};

TEST_F(BoxEditorTest, TypedCodesAreFoundAsTypedOrInOneCase)
{
    struct Case {
        const char* typed;
        std::optional<int> code;
    };
    // Codes: "bpk", "AB", "cd", "X1".
    for (const Case c : {Case{"AB", 1}, Case{"ab", 1}, Case{" cd ", 2}, Case{"CD", 2}, Case{"Ab", 1},
                         Case{"x1", 3}, Case{"BPK", 0}, Case{"ef", std::nullopt}})
        EXPECT_EQ(findTypedCode(*list->cards().stage, c.typed), c.code) << c.typed;

    StageDefinition& stage = *list->cards().stage;
    addCode(stage, 0, "Ab");
    EXPECT_EQ(findTypedCode(stage, "Ab"), 4) << "a code written as typed wins";
}

TEST_F(BoxEditorTest, DescriptionSpellings)
{
    struct Case {
        const char* typed;
        const char* text;
        int lop;
        int area;
    };
    for (const Case c : {Case{"L.AB", "AB", 1, 0}, Case{"OBS 3", "3", 0, 1}, Case{"XY", "XY", 0, 0},
                         Case{"LOP 12", "12", 1, 0}, Case{"lop 3", "3", 1, 0}, Case{"o-7", "7", 0, 1},
                         Case{"abcdefg", "ABCDE", 0, 0}, Case{"\xB3\xF3\x64", "\xA3\xD3\x44", 0, 0}}) {
        const TypedDescription read = readTypedDescription(c.typed);
        EXPECT_EQ(read.text, c.text) << c.typed;
        EXPECT_EQ(read.isLop, c.lop != 0) << c.typed;
        EXPECT_EQ(read.isArea, c.area != 0) << c.typed;
    }
}

TEST_F(BoxEditorTest, ShownDescriptionReadsBackUnchanged)
{
    auto editor = rules->openBoxEditor(0);
    editor->leaveCode("X1");
    editor->leaveDescription("LOP 3", false);
    EXPECT_EQ(editor->view().description, "LOP 3");
    // A stored text longer than the fields take stays whole when untouched.
    ControlCard& working = const_cast<ControlCard&>(rules->card());
    setFieldText(working.boxes[0].cardDescription, "LONGEST");
    const Confirmation before = box(0);
    editor->leaveDescription(editor->view().description, false);
    editor->leaveCardDescription(editor->view().cardDescription);
    EXPECT_EQ(std::memcmp(&before, &box(0), sizeof before), 0);
    editor->leaveCardDescription("wxyz1");
    EXPECT_EQ(std::string(fieldText(box(0).cardDescription)), "WXYZ");
}

TEST_F(BoxEditorTest, ClearingTheCodeEmptiesTheBoxAtOnce)
{
    typeBox(*rules, 0, "AB", "AB");
    typeBox(*rules, 1, "cd", "C");
    typeBox(*rules, 2, "X1", "L3");
    EXPECT_EQ(box(2).cardIsLop, 1);
    auto editor = rules->openBoxEditor(1);
    editor->codeFieldEntered();
    EXPECT_EQ(editor->leaveCode(""), EditorFocus::Free);
    EXPECT_TRUE(box(1).empty);
    EXPECT_EQ(box(1).penalty, 30);
    EXPECT_FALSE(editor->view().used);
    EXPECT_TRUE(editor->modified());
}

TEST_F(BoxEditorTest, ManualWrongPointKeepsItsPenalty)
{
    typeBox(*rules, 0, "AB", "AB");
    auto editor = rules->openBoxEditor(0);
    editor->setAutoValue(false);
    EXPECT_TRUE(editor->view().valueEnabled());
    editor->setValueKind(WrongPoint);
    EXPECT_TRUE(editor->leavePenalty("45"));
    editor->nextBox();
    editor->leaveCode("cd");
    editor->leaveDescription("c", false);
    rules->boxEditorEnded(*editor, shown(*rules));
    EXPECT_EQ(box(0).penalty, 45);
    EXPECT_EQ(box(0).valueKind, WrongPoint);
    EXPECT_EQ(rules->card().penaltyPoints, 45 + 60); // and LOP 3 missing
    EXPECT_FALSE(editor->leavePenalty("x"));
}

TEST_F(BoxEditorTest, UnknownCodeIsNeverStoredAndMayBeAdded)
{
    struct Case {
        bool fullTable;
        MessageAnswer answer;
        std::vector<int> asked;
        bool added;
    };
    for (const Case& c : {Case{false, MessageAnswer::No, {18}, false}, Case{false, MessageAnswer::Yes, {18}, true},
                         Case{true, MessageAnswer::Yes, {19}, false}}) {
        writeSmallRoute(folder.path());
        openList();
        rules = card(1);
        StageDefinition& stage = *list->cards().stage;
        if (c.fullTable)
            stage.codeCount = kMaxCodes;
        std::string offered;
        list->cards().addCode = [&](StageDefinition& s, const std::string& typed) {
            offered = typed;
            return addCode(s, 0x00FFFFFF, typed) && saveStageDefinition(folder.path(), s);
        };
        messages.asked.clear();
        messages.answers = {c.answer};
        auto editor = rules->openBoxEditor(0);
        editor->codeFieldEntered();
        EXPECT_EQ(editor->leaveCode("qz"), EditorFocus::Code);
        EXPECT_EQ(messages.ids(), c.asked);
        EXPECT_TRUE(box(0).empty);
        EXPECT_EQ(offered, c.added ? "qz" : "");
        EXPECT_EQ(editor->codesVersion(), c.added ? 1 : 0);
        if (c.added) {
            auto reloaded = std::make_unique<StageDefinition>();
            ASSERT_TRUE(loadStageDefinition(folder.path(), *reloaded));
            EXPECT_EQ(findTypedCode(*reloaded, "qz"), 4);
            EXPECT_EQ(editor->leaveCode("qz"), EditorFocus::Free);
            EXPECT_EQ(box(0).codeIndex, 4);
        }
        // "Wyjście" with the code still unknown keeps the editor open.
        editor->codeFieldEntered();
        EXPECT_EQ(editor->finish("zz"), EditorFocus::AutoDescription);
        EXPECT_EQ(editor->finish(""), EditorFocus::Free);
    }
}

TEST_F(BoxEditorTest, QuestionAboutAnUnknownCodeIsAskedOnce)
{
    auto editor = rules->openBoxEditor(0);
    int asked = 0;
    MessageAnswerer previous = setMessageAnswerer([&](const MessageRequest&) {
        ++asked;
        editor->leaveCode("qz"); // the field loses the focus again while the box opens
        return MessageAnswer::No;
    });
    editor->leaveCode("qz");
    setMessageAnswerer(previous);
    EXPECT_EQ(asked, 1);
}

TEST_F(BoxEditorTest, TabInTheDescriptionGoesToTheNextBox)
{
    auto editor = rules->openBoxEditor(38);
    editor->leaveCode("ab");
    editor->leaveDescription("ab", true);
    EXPECT_EQ(editor->box(), 39);
    EXPECT_EQ(box(38).codeIndex, 1);
    EXPECT_EQ(std::string(fieldText(box(38).cardDescription)), "AB");
    editor->leaveDescription("", true);
    EXPECT_EQ(editor->box(), 39);
    EXPECT_TRUE(box(39).empty) << "leaving an empty box untouched keeps it empty";
}

TEST_F(BoxEditorTest, TramCarriesTheBoxesOfAnotherTeam)
{
    typeBox(*rules, 0, "AB", "AB");
    EXPECT_FALSE(rules->openBoxEditor(0)->tramOffered()) << "its own boxes";
    rules->confirm(texts("0", "60"));
    std::unique_ptr<CardEntryRules> other = card(5);
    auto editor = other->openBoxEditor(3);
    ASSERT_TRUE(editor->tramOffered());
    editor->tram();
    EXPECT_EQ(other->card().boxes[0].codeIndex, 1);
    EXPECT_EQ(other->card().notEntered, 0);
    EXPECT_TRUE(editor->modified());
}

} // namespace
} // namespace trop::test
