// The participants editor and the member dialog, offscreen: a whole team
// typed with the keyboard alone, the popup, and a look at the demo category.
#include "participants_test_support.h"
#include "trop/store/cp1250.h"
#include "trop/ui/participants/import_preview_dialog.h"
#include "trop/ui/program_window_opener.h"
#include "trop/ui/participants/member_dialog.h"
#include "trop/ui/participants/participants_editor.h"
#include "trop/ui/participants/participants_list.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>
#include <QTest>
#include <QTimer>

using namespace trop;
using namespace trop::test;

namespace {

struct Person {
    QString texts[9]; // in screen order: the eight texts with "Rocznik" after "Wpisowe"
};

// Types text as key presses; letters beyond Latin-1 come as the text of
// a key event, as an input method delivers them.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// Types a member into the dialog that Enter opened: each field in screen
// order, Tab between them, Enter at the end.
void typeMemberWhenDialogOpens(const Person& person, bool* typed)
{
    QTimer::singleShot(0, [person, typed] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(qobject_cast<MemberDialog*>(dialog));
        for (const QString& text : person.texts) {
            typeText(dialog->focusWidget(), text);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClick(qobject_cast<MemberDialog*>(dialog)->field(MemberField::Remarks), Qt::Key_Return);
        *typed = true;
    });
}

MemberRecord recordOf(int team, const Person& person)
{
    MemberRecord record = freshMember(team);
    const int fieldOfText[9] = {0, 1, 2, 3, -1, 4, 5, 6, 7};
    for (int i = 0; i < 9; ++i) {
        if (fieldOfText[i] < 0)
            continue;
        setMemberFieldText(record, kMemberFields[fieldOfText[i]], utf8ToCp1250(person.texts[i].toStdString()));
    }
    record.birthYear = 1900 + person.texts[4].toInt();
    if (2026 - record.birthYear >= 100)
        record.birthYear += 100;
    record.birthYearSet = 1;
    return record;
}

void grabIfAsked(QWidget& widget, const QString& name)
{
    const QByteArray folder = qgetenv("TROP_GRAB_DIR");
    if (!folder.isEmpty())
        widget.grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

} // namespace

class ParticipantsWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void aTeamOfFourIsTypedWithTheKeyboardAlone()
    {
        TempFolder category;
        MessageRecorder messages;
        QtParticipantsHost host;
        auto table = std::make_unique<MemberTable>();
        ParticipantsEditorRules rules(categoryAt(category.path()), *table, host, 2026);
        QVERIFY(rules.open());
        ParticipantsEditor editor(rules);
        editor.setWindowModality(Qt::ApplicationModal);
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));

        const Person team[4] = {
            {{"Wiśniewska", "Zofia", "PTTK Żuraw", "20 zł", "08", "30-001", "Kraków", "ul. Długa 5", "kapitan"}},
            {{"Łęcki", "Paweł", "PTTK Żuraw", "20 zł", "09", "30-001", "Kraków", "ul. Długa 5", ""}},
            {{"Nowak", "Anna", "", "", "10", "", "Wieliczka", "", ""}},
            {{"Kowalczyk", "Jan", "", "0", "07", "", "", "", "opiekun: \"Ala\"; =1"}},
        };
        for (const Person& person : team) {
            bool typed = false;
            typeMemberWhenDialogOpens(person, &typed);
            QTest::keyClick(editor.list(), Qt::Key_Return);
            QVERIFY(typed);
        }
        QCOMPARE(rules.memberCount(), 4);
        QCOMPARE(editor.list()->topLevelItem(0)->text(1), QString("1 "));
        QCOMPARE(editor.list()->topLevelItem(1)->text(2), QString::fromUtf8("Łęcki Paweł"));
        QCOMPARE(editor.list()->currentRow(), 4); // the slot row after the last member

        messages.answers = {MessageAnswer::Yes};
        QTest::keyClick(editor.list(), Qt::Key_Escape);
        QVERIFY(!editor.isVisible());
        QCOMPARE(messages.ids(), std::vector<int>{10});
        std::string expected;
        for (const Person& person : team) {
            const MemberRecord record = recordOf(1, person);
            expected.append(reinterpret_cast<const char*>(&record), sizeof record);
        }
        QVERIFY(readFile(category.path() / kMembersFileName) == expected);
    }

    void dialogNamesEveryFieldAndKeepsStoredTexts()
    {
        MessageRecorder messages;
        MemberRecord stored = memberOf(3, utf8ToCp1250("Brzęczyszczykiewiczówna-Kowal").c_str(), "Grzegorz");
        setFieldText(stored.remarks, std::string(120, 'x'));
        MemberDialogFlow flow(stored, "TP", 2026);
        MemberDialog dialog(flow);
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Drużyna nr 3"));
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
            QVERIFY(!edit->accessibleName().isEmpty());
        QCOMPARE(dialog.field(MemberField::Remarks)->text().size(), 120);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(std::memcmp(&flow.record(), &stored, sizeof stored) == 0);
        grabIfAsked(dialog, "member_dialog");
    }

    void typingStopsAtTheRecordFieldInCp1250Bytes()
    {
        MemberDialogFlow flow(freshMember(1), "TP", 2026);
        MemberDialog dialog(flow);
        struct Case {
            MemberField field;
            int bytes;
        };
        for (const Case c : {Case{MemberField::Surname, 30}, Case{MemberField::PostCode, 6},
                             Case{MemberField::EntryFee, 10}, Case{MemberField::Remarks, 120}}) {
            QLineEdit* edit = dialog.field(c.field);
            typeText(edit, QString(c.bytes + 3, QChar(0x0142))); // "ł", one byte in code page 1250
            QCOMPARE(edit->text().size(), c.bytes);
        }
        QLineEdit* town = dialog.field(MemberField::Town);
        typeText(town, QString::fromUtf8("Żółw Жук"));
        QCOMPARE(town->text(), QString::fromUtf8("Żółw ")); // Cyrillic is refused at typing
    }

    void popupGreysWhatTheRowCannotTake()
    {
        TempFolder category;
        MessageRecorder messages;
        ScriptedDialogs dialogs;
        auto stored = tableOfTeams({1, 1});
        QVERIFY(saveMembers(category.path(), *stored));
        auto table = std::make_unique<MemberTable>();
        ParticipantsEditorRules rules(categoryAt(category.path()), *table, dialogs, 2026);
        QVERIFY(rules.open());
        ParticipantsEditor editor(rules);
        std::unique_ptr<QMenu> menu(editor.createMenu(2)); // the slot row
        QStringList shown;
        for (QAction* action : menu->actions())
            shown << (action->isSeparator() ? "|" : action->text() + (action->isEnabled() ? "" : "-"));
        QCOMPARE(shown.join(" "), QString("Edytuj Wytnij- Wstaw- Importuj z pliku... Eksportuj do pliku... | Zamknij"));
        editor.list()->setCurrentItem(editor.list()->topLevelItem(1));
        QTest::keyClick(editor.list(), Qt::Key_Delete);
        QCOMPARE(rules.memberCount(), 1);
        QCOMPARE(editor.list()->currentRow(), 0);
    }

    void importGoesThroughThePreview()
    {
        TempFolder category;
        MessageRecorder messages;
        category.writeFile("lista.csv", "\xEF\xBB\xBFNr,Nazwisko,Imię\n5,Żak,Ola\n5,Kruk,Jan\n");
        struct FileHost : QtParticipantsHost {
            std::filesystem::path file;
            std::filesystem::path chooseImportFile() override { return file; }
        } host;
        host.file = category.path() / "lista.csv";
        auto table = std::make_unique<MemberTable>();
        ParticipantsEditorRules rules(categoryAt(category.path()), *table, host, 2026);
        QVERIFY(rules.open());
        ParticipantsEditor editor(rules);
        editor.setWindowModality(Qt::ApplicationModal);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        int previewRows = -1;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<ImportPreviewDialog*>(QApplication::activeModalWidget());
            QVERIFY(preview);
            previewRows = preview->members()->topLevelItemCount();
            QVERIFY(preview->addButton()->isEnabled());
            grabIfAsked(*preview, "import_preview");
            preview->addButton()->click();
        });
        std::unique_ptr<QMenu> menu(editor.createMenu(-1));
        for (QAction* action : menu->actions())
            if (action->text() == QString::fromUtf8("Importuj z pliku..."))
                action->trigger();
        QCOMPARE(previewRows, 2);
        QCOMPARE(rules.memberCount(), 2);
        QCOMPARE(editor.list()->topLevelItem(8)->text(2), QString::fromUtf8("Żak Ola"));
    }

    void programOpenerShowsTheEditorOfTheCategory()
    {
        TempFolder category;
        MessageRecorder messages;
        CategoryContext context = categoryAt(category.path());
        QString title;
        QTimer::singleShot(0, [&] {
            QWidget* editor = QApplication::activeModalWidget();
            QVERIFY(qobject_cast<ParticipantsEditor*>(editor));
            title = editor->windowTitle();
            QTest::keyClick(editor, Qt::Key_Escape);
        });
        ProgramWindowOpener().openParticipantsEditor(context);
        QCOMPARE(title, QString("Wrzos      kategoria  TP"));
        QVERIFY(messages.asked.empty());
        QVERIFY(std::filesystem::exists(category.path() / kMembersFileName)); // the editor makes the file
    }

    void demoCategoryLooksRight()
    {
        TempFolder store;
        QProcess demo;
        demo.start(QStringLiteral(TROP_CLI_PATH), {QStringLiteral("demo"), QString::fromStdString(store.path())});
        QVERIFY(demo.waitForFinished(60000));
        QCOMPARE(demo.exitCode(), 0);
        std::filesystem::path category;
        for (const auto& competition : std::filesystem::directory_iterator(store.path()))
            for (const auto& entry : std::filesystem::directory_iterator(competition.path()))
                if (entry.is_directory() && category.empty())
                    category = entry.path();
        QVERIFY(!category.empty());
        MessageRecorder messages;
        ScriptedDialogs dialogs;
        auto table = std::make_unique<MemberTable>();
        ParticipantsEditorRules rules(categoryAt(category), *table, dialogs, 2026);
        messages.answers = {MessageAnswer::No};
        QVERIFY(rules.open());
        ParticipantsEditor editor(rules);
        editor.resize(1100, 500);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QVERIFY(editor.list()->topLevelItemCount() > rules.memberCount());
        const auto& rows = rules.rows();
        const auto firstMember = std::find_if(rows.begin(), rows.end(), [](auto& row) { return row.rowMember >= 0; });
        QVERIFY(firstMember != rows.end());
        QTreeWidgetItem* item = editor.list()->topLevelItem(int(firstMember - rows.begin()) - 2);
        editor.list()->scrollToItem(item, QAbstractItemView::PositionAtTop);
        editor.list()->setCurrentItem(editor.list()->topLevelItem(int(firstMember - rows.begin()) + 1));
        grabIfAsked(editor, "participants_editor");
    }
};

QTEST_MAIN(ParticipantsWidgetTest)
#include "participants_widget_test.moc"
