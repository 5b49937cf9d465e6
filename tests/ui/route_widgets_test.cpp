// The route definition windows, offscreen: a small route typed with the
// keyboard alone, evaluated with a typed card; pictures of every window.
#include "barwik/host/colour_button_host.h"
#include "navigation_fakes.h"
#include "widget_test_support.h"
#include "trop/model/results.h"
#include "trop/model/stage_file.h"
#include "trop/scoring/evaluate_card.h"
#include "trop/store/fixed_text.h"
#include "trop/ui/route/code_dialog.h"
#include "trop/ui/route/control_points_editor.h"
#include "trop/ui/route/group_dialog.h"
#include "trop/ui/route/groups_window.h"
#include "trop/ui/route/rules_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTreeWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace trop;
using namespace trop::test;

namespace {

// Runs `answer` on the next modal dialog of type T once it is shown.
template <typename T>
void whenModal(std::function<void(T&)> answer)
{
    QTimer::singleShot(10, [answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            answer(*dialog);
        else
            whenModal<T>(answer);
    });
}

// Focus and Space, as a user at the keyboard; waits for posted clicks.
void press(QWidget* widget, Qt::Key key = Qt::Key_Space)
{
    widget->setFocus();
    QTest::keyClick(widget, key);
    QTest::qWait(20);
}

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void typeCodeAndConfirm(const QString& code)
{
    whenModal<CodeDialog>([code](CodeDialog& dialog) {
        typeInto(dialog.codeEdit(), code);
        QTest::keyClick(dialog.codeEdit(), Qt::Key_Return);
    });
}

// Notes the enabled entries of the next popup menu and chooses entry `index`
// with the keyboard.
void chooseInNextMenu(int index, QStringList& enabled)
{
    QTimer::singleShot(50, [index, &enabled] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            if (action->isEnabled())
                enabled << action->text();
        menu->setActiveAction(menu->actions()[index]);
        QTest::keyClick(menu, Qt::Key_Return);
    });
}

} // namespace

class RouteWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    // TROP_BARWIK_DIR runs every case with the colour buttons of the library.
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (!qgetenv("TROP_BARWIK_DIR").isEmpty())
            barwik::loadColourButtonLibrary(QString::fromLocal8Bit(qgetenv("TROP_BARWIK_DIR")));
    }

    void codeDialogUpperCasesAndRefusesADuplicate()
    {
        MessageRecorder messages;
        auto stage = std::make_unique<StageDefinition>();
        applyStageDefaults(*stage);
        addCode(*stage, 0x123, "B");
        CustomColours colours{};
        CodeDialogFlow flow(*stage, "", kNewCodeColour);
        CodeDialog dialog(flow, colours);
        dialog.show();
        verifyEveryControlIsNamed(dialog);
        typeInto(dialog.codeEdit(), "b");
        QCOMPARE(dialog.codeEdit()->text(), QString("B"));
        QTest::keyClick(dialog.codeEdit(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.ids(), std::vector<int>{17});
        typeInto(dialog.codeEdit(), "c1x");
        QCOMPARE(dialog.codeEdit()->text(), QString("C1"));
        grabIfAsked(dialog, "code_dialog");
        QTest::keyClick(dialog.codeEdit(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(flow.code(), std::string("C1"));
    }

    void routeTypedWithTheKeyboardEvaluatesATypedCard()
    {
        TempFolder folder;
        MessageRecorder messages;
        auto stage = std::make_unique<StageDefinition>();
        ControlPointsRules rules(*stage, folder.path());
        rules.open();
        ControlPointsEditor editor(rules, "E1");
        editor.show();
        verifyEveryControlIsNamed(editor);

        // Two codes through the add-code button.
        typeCodeAndConfirm("a");
        press(editor.codeButton(1));
        typeCodeAndConfirm("b");
        press(editor.codeButton(2), Qt::Key_Return);
        QCOMPARE(stage->codeCount, 3);
        press(editor.codeButton(0), Qt::Key_Right);
        QCOMPARE(editor.focusWidget(), editor.codeButton(1));
        press(editor.codeButton(2), Qt::Key_Up);
        QCOMPARE(editor.focusWidget(), editor.pointButton(PointList::Associated, 0));

        // Point 1 "K" confirmed by A, point 2 "M" by B.
        const struct {
            const char* description;
            int codePosition;
        } points[] = {{"k", 1}, {"m", 2}};
        for (const auto& point : points) {
            press(editor.pointButton(PointList::Controls, 0));
            QCOMPARE(rules.addingMode(), AddingMode::Controls);
            press(editor.codeButton(point.codePosition));
            typeInto(editor.descriptionEdit(0), point.description);
            press(editor.nextButton());
        }
        QCOMPARE(stage->pointCount, 2);
        QCOMPARE(editor.descriptionEdit(0)->text(), QString());
        grabIfAsked(editor, "control_points_editor");

        QTest::keyClick(&editor, Qt::Key_Escape);
        QVERIFY(!editor.isVisible());
        QVERIFY(editor.opensGroups());
        QCOMPARE(messages.ids(), std::vector<int>{13});

        messages.asked.clear();

        // One group of K and M of which one must be confirmed.
        GroupsWindowRules groupRules(*stage, folder.path());
        GroupsWindow groups(groupRules, *stage, "E1");
        groups.show();
        verifyEveryControlIsNamed(groups);
        whenModal<GroupDialog>([](GroupDialog& dialog) {
            verifyEveryControlIsNamed(dialog);
            press(dialog.availableList(), Qt::Key_Return);
            press(dialog.availableList(), Qt::Key_Return);
            typeInto(dialog.confirmationsEdit(), "1");
            grabIfAsked(dialog, "group_dialog");
            QTest::keyClick(dialog.confirmationsEdit(), Qt::Key_Return);
        });
        press(groups.list(), Qt::Key_Return);
        QCOMPARE(groups.list()->topLevelItem(0)->text(2), QString::fromUtf8("K,  M"));
        grabIfAsked(groups, "groups_window");
        QTest::keyClick(&groups, Qt::Key_Escape);
        QVERIFY(!groups.isVisible());

        // Points in the order K, M; two confirmations; limits; the constant computed.
        RulesDialogRules ruleRules(*stage, folder.path());
        RulesDialog rulesDialog(ruleRules, "E1");
        rulesDialog.show();
        verifyEveryControlIsNamed(rulesDialog);
        press(rulesDialog.ruleButton(PointOrder));
        press(rulesDialog.availableList(), Qt::Key_Return);
        press(rulesDialog.availableList(), Qt::Key_Return);
        typeInto(rulesDialog.field(RulesField::RequiredConfirmations), "2");
        typeInto(rulesDialog.field(RulesField::TimeLimit), "120");
        typeInto(rulesDialog.field(RulesField::LateLimit), "30");
        press(rulesDialog.computeButton());
        QCOMPARE(rulesDialog.field(RulesField::StageConstant)->text(), QString("120"));
        grabIfAsked(rulesDialog, "rules_dialog");
        QTest::keyClick(rulesDialog.field(RulesField::LateLimit), Qt::Key_Return);
        QVERIFY(!rulesDialog.isVisible());
        QCOMPARE(messages.ids(), (std::vector<int>{13}));

        auto saved = std::make_unique<StageDefinition>();
        QVERIFY(loadStageDefinition(folder.path(), *saved));
        QCOMPARE(pointLabel(*saved, 0), std::string("K"));
        QCOMPARE(saved->groupCount, 1);
        QCOMPARE(saved->orderRule, int(PointOrder));
        QCOMPARE(saved->orderCount, 2);
        QCOMPARE(saved->orderList[1], 1);
        QCOMPARE(saved->requiredConfirmations, 2);

        // Escape acts as the close box: a changed limit is asked about.
        RulesDialogRules againRules(*stage, folder.path());
        RulesDialog again(againRules, "E1");
        again.show();
        typeInto(again.field(RulesField::LateLimit), "31");
        messages.answers = {MessageAnswer::No};
        QTest::keyClick(again.field(RulesField::LateLimit), Qt::Key_Escape);
        QVERIFY(!again.isVisible());
        QCOMPARE(messages.ids(), (std::vector<int>{13, 13}));
        // A card typed right, and one with a wrong second description.
        const struct {
            const char* secondDescription;
            int wrongDescription;
        } cards[] = {{"M", 0}, {"X", 1}};
        for (const auto& typed : cards) {
            ControlCard card = freshCard(1);
            card.notEntered = 0;
            const char* descriptions[] = {"K", typed.secondDescription};
            for (int box = 0; box < 2; ++box) {
                Confirmation& confirmation = card.boxes[box];
                confirmation.empty = 0;
                confirmation.codeIndex = box + 1;
                setFieldText(confirmation.cardDescription, descriptions[box]);
                confirmation.autoDescription = 1;
                confirmation.autoValue = 1;
            }
            auto stored = std::make_unique<ResultsTable>();
            evaluateCard(card, *saved, *stored);
            QCOMPARE(card.boxes[0].pointIndex, 0);
            QCOMPARE(card.boxes[0].valueKind, int(CorrectControl));
            QCOMPARE(card.boxes[1].pointIndex, 1);
            QCOMPARE(card.boxes[1].valueKind, int(CorrectControl));
            QCOMPARE(card.boxes[1].wrongDescription, typed.wrongDescription);
            QCOMPARE(card.penaltyPoints > 0, typed.wrongDescription != 0);
        }
    }

    void codeMenuEditsACodeAndThePointShowsItAtOnce()
    {
        TempFolder folder;
        MessageRecorder messages;
        auto stage = std::make_unique<StageDefinition>();
        applyStageDefaults(*stage);
        addCode(*stage, 0x0000FF, "A");
        stage->pointCount = 1;
        setFieldText(stage->points[0].description1, "K");
        stage->points[0].confirmations = 1;
        stage->points[0].controlCount = 1;
        stage->points[0].controls[0] = CodeRef{0x0000FF, "A", 1};
        QVERIFY(saveStageDefinition(folder.path(), *stage));
        folder.writeFile("Results", "");
        ControlPointsRules rules(*stage, folder.path());
        rules.open();
        ControlPointsEditor editor(rules, "E1");
        editor.show();

        QStringList enabled;
        chooseInNextMenu(0, enabled);
        typeCodeAndConfirm("z");
        press(editor.codeButton(1), Qt::Key_Menu);
        QTest::qWait(100);
        QCOMPARE(enabled, QStringList{"Edytuj"}); // no deleting while results exist
        QCOMPARE(editor.pointButton(PointList::Controls, 0)->accessibleName(), QString("Z"));
        QCOMPARE(editor.codeButton(1)->accessibleName(), QString("Z"));
    }

    void groupsWindowCutsWithDeleteAndPastesFromTheMenuKey()
    {
        TempFolder folder;
        MessageRecorder messages;
        auto stage = std::make_unique<StageDefinition>();
        applyStageDefaults(*stage);
        for (int p = 0; p < 2; ++p) {
            setFieldText(stage->points[p].description1, p == 0 ? "K" : "M");
            stage->groups[p] = PointGroup{1, {p}, 1};
        }
        stage->pointCount = 2;
        stage->groupCount = 2;
        GroupsWindowRules rules(*stage, folder.path());
        GroupsWindow window(rules, *stage, "E1");
        window.show();
        QTreeWidget* list = window.list();
        press(list, Qt::Key_Delete);
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(2), QString("M"));

        QStringList enabled;
        chooseInNextMenu(2, enabled);
        press(list, Qt::Key_Menu);
        QCOMPARE(enabled, (QStringList{"Edytuj", "Wytnij", "Wstaw", "Zamknij"}));
        QCOMPARE(list->topLevelItem(0)->text(2), QString("K"));
        QCOMPARE(stage->groupCount, 2);
    }

    // Pictures of the three windows on a stage of the sample competition
    // (trop-cli demo) when TROP_DEMO_STAGE names its folder and TROP_GRAB_DIR
    // the pictures' folder.
    void demoStagePictures()
    {
        const QByteArray stageFolder = qgetenv("TROP_DEMO_STAGE");
        if (stageFolder.isEmpty() || qgetenv("TROP_GRAB_DIR").isEmpty())
            QSKIP("TROP_DEMO_STAGE and TROP_GRAB_DIR not set");
        MessageRecorder messages;
        messages.answers = {MessageAnswer::No, MessageAnswer::No, MessageAnswer::No};
        const std::filesystem::path folder(stageFolder.toStdString());
        auto stage = std::make_unique<StageDefinition>();
        ControlPointsRules points(*stage, folder);
        points.open();
        QVERIFY(!points.loadFailed());
        ControlPointsEditor editor(points, "Wrzos 2026 - E1");
        editor.show();
        grabIfAsked(editor, "demo_control_points_editor");
        GroupsWindowRules groupRules(*stage, folder);
        GroupsWindow groups(groupRules, *stage, "Wrzos 2026 - E1");
        groups.show();
        grabIfAsked(groups, "demo_groups_window");
        if (stage->groupCount > 0) {
            GroupDialogRules dialogRules(*stage, 0, stage->groups[0]);
            GroupDialog dialog(dialogRules);
            dialog.show();
            grabIfAsked(dialog, "demo_group_dialog");
        }
        RulesDialogRules ruleRules(*stage, folder);
        RulesDialog rules(ruleRules, "Wrzos 2026 - E1");
        rules.show();
        grabIfAsked(rules, "demo_rules_dialog");
    }
};

QTEST_MAIN(RouteWidgetsTest)
#include "route_widgets_test.moc"
