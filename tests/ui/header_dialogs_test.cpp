// Editing a competition or a stage keeps the stored texts whole: OK with
// nothing typed writes back exactly the bytes that were read, even when the
// fields are longer than what the dialog lets one type.
#include "navigation_fakes.h"
#include "trop/store/file_io.h"
#include "trop/store/header_files.h"
#include "trop/ui/dialogs/competition_dialog.h"
#include "trop/ui/dialogs/stage_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace trop;
using namespace trop::test;

namespace {

// Every field full: width - 1 bytes of code page 1250 text (Polish letters
// and all), then its zero byte.
std::string fullFields(std::initializer_list<int> widths)
{
    const std::string letters = "Za\xBF\xF3\xB3\xE6 g\xEA\x9C" "l\xB9 ja\x9F\xF1 \xA3\xD3" "D\x8F ";
    std::string bytes;
    for (int width : widths) {
        for (int i = 0; i < width - 1; ++i)
            bytes += letters[static_cast<std::size_t>(i) % letters.size()];
        bytes += '\0';
    }
    return bytes;
}

std::string bytesOf(const std::filesystem::path& file)
{
    const FileBytes read = readFileUpTo(file, 1000);
    return std::string(read.bytes.begin(), read.bytes.end());
}

void pressOk(QDialog& dialog)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == "OK")
            button->click();
}

} // namespace

class HeaderDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void competitionEditWritesBackEveryByte()
    {
        TempFolder store;
        const std::string stored = fullFields({32, 64, 64, 64});
        store.makeFolder("Wrzos");
        store.writeFile("Wrzos/Name.and.date", stored);
        MessageRecorder messages;
        CompetitionDialogFlow flow = CompetitionDialogFlow::forEdit(store.path(), "Wrzos");
        CompetitionDialog dialog(flow);
        QCOMPARE(dialog.dateText().size(), 31); // more than the 25 one may type
        dialog.show();
        pressOk(dialog);
        QVERIFY(messages.asked.empty());
        QVERIFY(bytesOf(store.path() / "Wrzos" / kCompetitionHeaderFileName) == stored);
    }

    void stageEditWritesBackEveryByte()
    {
        TempFolder store;
        const std::string stored = fullFields({8, 8, 44, 44, 44, 44, 8, 8, 10, 6, 8});
        store.makeFolder("E2");
        store.writeFile("E2/Name.and.Param", stored);
        MessageRecorder messages;
        StageDialogFlow flow = StageDialogFlow::forEdit(store.path(), 2);
        StageDialog dialog(flow);
        dialog.show();
        pressOk(dialog);
        QVERIFY(messages.asked.empty());
        QVERIFY(bytesOf(store.path() / "E2" / kStageParamsFileName) == stored);
    }

    void stageEditWithoutItsFileShowsMessage7AndEmptyFields()
    {
        TempFolder store;
        store.makeFolder("E3");
        MessageRecorder messages;
        StageDialogFlow flow = StageDialogFlow::forEdit(store.path(), 3);
        StageDialog dialog(flow);
        QCOMPARE(messages.ids(), std::vector<int>{7});
        QCOMPARE(messages.asked.front().arg1, (store.path() / "E3" / "Name.and.Param").string());
        QVERIFY(dialog.authorEdit()->text().isEmpty());
        dialog.show();
        pressOk(dialog);
        QCOMPARE(bytesOf(store.path() / "E3" / kStageParamsFileName), std::string(232, '\0'));
    }
};

QTEST_MAIN(HeaderDialogsTest)
#include "header_dialogs_test.moc"
