// The dialogs, the message boxes and the text conversion, offscreen.
#include "navigation_fakes.h"
#include "widget_test_support.h"
#include "trop/store/header_files.h"
#include "trop/ui/about_box.h"
#include "trop/ui/dialogs/category_dialog.h"
#include "trop/ui/dialogs/competition_dialog.h"
#include "trop/ui/dialogs/stage_dialog.h"
#include "trop/ui/message_box_answerer.h"
#include "trop/ui/text_codec.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>

using namespace trop;
using namespace trop::test;

namespace {

// How many characters typing fits into the field; leaves it empty.
int typingLimit(QLineEdit* field)
{
    field->clear();
    QTest::keyClicks(field, QString(300, 'W'));
    const int typed = static_cast<int>(field->text().size());
    field->clear();
    return typed;
}

QPushButton* buttonNamed(QWidget& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

} // namespace

class DialogsWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void newCompetitionDialogLimitsAndSavesCp1250()
    {
        TempFolder store;
        MessageRecorder messages;
        CompetitionDialogFlow flow = CompetitionDialogFlow::forNew(store.path());
        CompetitionDialog dialog(flow);
        QCOMPARE(dialog.windowTitle(), QString("Nowe zawody"));
        QCOMPARE(typingLimit(dialog.shortNameEdit()), 16);
        QCOMPARE(typingLimit(dialog.dateEdit()), 25);
        for (int line = 0; line < 3; ++line) {
            QCOMPARE(typingLimit(dialog.fullNameEdit(line)), 60);
            QCOMPARE(dialog.fullNameEdit(line)->alignment(), Qt::AlignCenter);
        }
        QVERIFY(!dialog.shortNameEdit()->isReadOnly());
        QVERIFY(buttonNamed(dialog, "OK") && buttonNamed(dialog, "Anuluj"));
        verifyEveryControlIsNamed(dialog);

        dialog.show();
        QTest::keyClicks(dialog.shortNameEdit(), "Wrzos '99");
        grabIfAsked(dialog, "competition-dialog");
        QTest::keyClicks(dialog.dateEdit(), "1 maja");
        dialog.fullNameEdit(0)->insert(QString::fromUtf8("Żółw"));
        buttonNamed(dialog, "OK")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const std::string bytes = readFile(store.path() / "Wrzos '99" / kCompetitionHeaderFileName);
        QCOMPARE(bytes.size(), std::size_t(224));
        QCOMPARE(bytes.substr(32, 5), std::string("\xaf\xf3\xb3w\0", 5));
    }

    void editedCompetitionShowsStoredTextsAndFixedName()
    {
        TempFolder store;
        store.makeFolder("Wrzos");
        CompetitionHeader header{};
        setFieldText(header.fullName2, "Gda\xf1sk"); // "Gdańsk" in code page 1250
        QVERIFY(writeCompetitionHeader(store.path() / "Wrzos", header));
        MessageRecorder messages;
        CompetitionDialogFlow flow = CompetitionDialogFlow::forEdit(store.path(), "Wrzos");
        CompetitionDialog dialog(flow);
        QCOMPARE(dialog.windowTitle(), QString("Wrzos"));
        QCOMPARE(dialog.shortName(), QString("Wrzos"));
        QVERIFY(dialog.shortNameEdit()->isReadOnly());
        QCOMPARE(dialog.fullName(1), QString::fromUtf8("Gdańsk"));
        QVERIFY(messages.asked.empty());
    }

    void stageDialogFieldsAcceptTheirWidths()
    {
        TempFolder store;
        MessageRecorder messages;
        StageDialogFlow flow = StageDialogFlow::forNew(store.path());
        StageDialog dialog(flow);
        QCOMPARE(dialog.windowTitle(), QString("Nowy etap"));
        QCOMPARE(dialog.stageNumberText(), QString("1"));
        QVERIFY(!dialog.stageNumberEdit()->isReadOnly());
        QCOMPARE(typingLimit(dialog.authorEdit()), 44);
        verifyEveryControlIsNamed(dialog);
        grabIfAsked(dialog, "stage-dialog");
        QStringList labels;
        for (QLabel* label : dialog.findChildren<QLabel*>())
            labels << label->text();
        for (const char* text : {"Nr etapu", "Autor", "Nazwa", "Limit czasu", "Limit spóźnień", "Długość trasy",
                                 "Suma podejść", "Skala mapy   1 : ", "e = ", "MOS"})
            QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
        const int widths[] = {8, 8, 8, 8, 10, 6, 8};
        int at = 0;
        for (const char* name : {"Limit czasu", "Limit spóźnień", "Długość trasy", "Suma podejść",
                                 "Skala mapy   1 : ", "e = ", "MOS"}) {
            QLineEdit* field = nullptr;
            for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
                if (edit->accessibleName() == QString::fromUtf8(name))
                    field = edit;
            QVERIFY2(field, name);
            QCOMPARE(typingLimit(field), widths[at++]);
        }
    }

    void stageNumberOutOfRangeKeepsDialogOpen()
    {
        TempFolder store;
        MessageRecorder messages;
        StageDialogFlow flow = StageDialogFlow::forNew(store.path());
        StageDialog dialog(flow);
        dialog.show();
        dialog.stageNumberEdit()->setText("10");
        buttonNamed(dialog, "OK")->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.asked.size(), std::size_t(1));
        QVERIFY(std::filesystem::is_empty(store.path()));
        dialog.stageNumberEdit()->setText("0");
        buttonNamed(dialog, "OK")->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(std::filesystem::is_directory(store.path() / "E0"));
    }

    void stageNumberIsFixedWhenEditing()
    {
        TempFolder store;
        store.makeFolder("E4");
        MessageRecorder messages;
        StageDialogFlow flow = StageDialogFlow::forEdit(store.path(), 4);
        StageDialog dialog(flow);
        QCOMPARE(dialog.windowTitle(), QString("E4"));
        QCOMPARE(dialog.stageNumberText(), QString("4"));
        QVERIFY(dialog.stageNumberEdit()->isReadOnly());
    }

    void categoryDialogShowsTwoColumnsNoneChosen()
    {
        TempFolder store;
        CategoryDialogFlow flow(store.path());
        CategoryDialog dialog(flow);
        QCOMPARE(dialog.windowTitle(), QString("Nowa kategoria"));
        const QStringList left{"TD", "TF", "TJ", "TK", "TM", "TP", "TR"};
        const QStringList right{"TS", "TU", "TW", "TZ", "RK", "SZ", "X"};
        auto* grid = dialog.findChild<QGridLayout*>();
        QVERIFY(grid);
        for (int row = 0; row < 7; ++row) {
            auto* inLeft = qobject_cast<QRadioButton*>(grid->itemAtPosition(row, 0)->widget());
            auto* inRight = qobject_cast<QRadioButton*>(grid->itemAtPosition(row, 1)->widget());
            QCOMPARE(inLeft->text(), left[row]);
            QCOMPARE(inRight->text(), right[row]);
            QVERIFY(!inLeft->isChecked() && !inRight->isChecked());
        }
        verifyEveryControlIsNamed(dialog);
        grabIfAsked(dialog, "category-dialog");
    }

    void cancelledNamePromptKeepsCategoryDialogOpen()
    {
        TempFolder store;
        MessageRecorder messages;
        CategoryDialogFlow flow(store.path());
        CategoryDialog dialog(flow);
        int prompts = 0;
        dialog.setNamePrompt([&] {
            ++prompts;
            return std::optional<std::string>();
        });
        dialog.show();
        dialog.choiceButton("X")->click();
        buttonNamed(dialog, "OK")->click();
        QCOMPARE(prompts, 1);
        QVERIFY(dialog.isVisible());
        QVERIFY(std::filesystem::is_empty(store.path()));

        dialog.choiceButton("TD")->click();
        buttonNamed(dialog, "OK")->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(std::filesystem::is_directory(store.path() / "TD"));
        QVERIFY(messages.asked.empty());
    }

    void namePromptTypesCapitalsAndNeedsAName()
    {
        CategoryNamePrompt prompt;
        QCOMPARE(prompt.nameEdit()->alignment(), Qt::AlignCenter);
        prompt.show();
        buttonNamed(prompt, "OK")->click();
        QVERIFY(prompt.isVisible());
        QTest::keyClicks(prompt.nameEdit(), "open ");
        prompt.nameEdit()->insert(QString::fromUtf8("ż"));
        QCOMPARE(prompt.name(), QString::fromUtf8("OPEN Ż"));
        grabIfAsked(prompt, "category-name-prompt");
        buttonNamed(prompt, "OK")->click();
        QVERIFY(!prompt.isVisible());
        QCOMPARE(prompt.result(), int(QDialog::Accepted));
    }

    void messageBoxesFollowTheirStyle()
    {
        struct Case {
            MessageStyle style;
            QMessageBox::Icon icon;
            QMessageBox::StandardButtons buttons;
            QMessageBox::StandardButton defaultButton;
        };
        const Case cases[] = {
            {MessageStyle::Error, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok},
            {MessageStyle::Notice, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok},
            {MessageStyle::Question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No},
            {MessageStyle::QuestionYes, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
            {MessageStyle::QuestionCancel, QMessageBox::Question,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes},
        };
        for (const Case& c : cases) {
            MessageRequest request;
            request.text = "Czy na pewno?";
            request.style = c.style;
            std::unique_ptr<QMessageBox> box(createMessageBox(request, nullptr));
            QCOMPARE(box->windowTitle(), QString("Trop"));
            QCOMPARE(box->icon(), c.icon);
            QCOMPARE(box->standardButtons(), c.buttons);
            QCOMPARE(box->standardButton(box->defaultButton()), c.defaultButton);
            QCOMPARE(box->text(), QString("Czy na pewno?"));
        }
    }

    void questionButtonsSpeakPolish()
    {
        QTranslator translator;
        if (!installPolishQtTranslation(*QCoreApplication::instance(), translator))
            QSKIP("Qt's Polish translation is not installed");
        MessageRequest request;
        request.text = formatMessage(5, "Wrzos");
        request.style = MessageStyle::Question;
        std::unique_ptr<QMessageBox> box(createMessageBox(request, nullptr));
        QCOMPARE(box->button(QMessageBox::Yes)->text().remove('&'), QString("Tak"));
        QCOMPARE(box->button(QMessageBox::No)->text().remove('&'), QString("Nie"));
        grabIfAsked(*box, "message-box");
        QCoreApplication::removeTranslator(&translator);
    }

    void aboutBoxNamesCompanyAndVersion()
    {
        AboutBox box;
        QCOMPARE(box.windowTitle(), QString("About Trop"));
        QStringList lines;
        for (QLabel* label : box.findChildren<QLabel*>())
            if (!label->text().isEmpty())
                lines << label->text();
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QString("Lirnik s.c."));
        QCOMPARE(lines[1], QString("Trop ver. 3.07.21"));
        QCOMPARE(box.findChildren<QPushButton*>().size(), 1);
        grabIfAsked(box, "about-box");
    }

    void textsConvertThroughCodePage1250()
    {
        const QString polish = QString::fromUtf8("Zażółć gęślą jaźń ŻÓŁĆ");
        const std::string bytes = toCp1250(polish);
        QCOMPARE(bytes.size(), std::size_t(polish.size()));
        QCOMPARE(fromCp1250(bytes), polish);
        QCOMPARE(toCp1250(QString::fromUtf8("a漢b")), std::string("a?b"));

        char field[8];
        setFieldFromQString(field, "abcdefghij");
        QCOMPARE(fieldToQString(field), QString("abcdefg"));
    }
};

QTEST_MAIN(DialogsWidgetTest)
#include "dialogs_widget_test.moc"
