// Start-up of Trop: the store root (next to the program, or in the user's data
// folder when the program is installed), one running copy per
// user, the colour button library, then the competitions window until it closes.
#include "barwik/host/colour_button_host.h"
#include "trop/store/competition_store.h"
#include "trop/store/startup.h"
#include "trop/ui/message_box_answerer.h"
#include "trop/ui/navigation/main_window.h"
#include "trop/ui/navigation/main_window_rules.h"
#include "trop/ui/navigation/qt_navigation_host.h"
#include "trop/ui/program_window_opener.h"
#include "trop/ui/shell/single_instance.h"
#include "trop/version.h"

#include <QApplication>
#include <QFile>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("trop %s\n", trop::kProgramVersion);
        return 0;
    }
    QApplication app(argc, argv);
    QTranslator polishButtons;
    trop::installPolishQtTranslation(app, polishButtons);
    trop::installMessageBoxAnswerer();

    const QString programFolderText = QCoreApplication::applicationDirPath();
    const std::filesystem::path programFolder(QFile::encodeName(programFolderText).toStdString());
    const std::optional<std::filesystem::path> storeRoot =
        trop::prepareStoreRoot(trop::storeLocationFacts(programFolder));
    if (!storeRoot)
        return 1;

    trop::SingleInstance instance;
    if (!instance.tryToBecomeFirst()) {
        instance.activateRunningCopy();
        return 0;
    }

    // Without the library the windows simply show no colour buttons.
    barwik::loadColourButtonLibrary(programFolderText);

    trop::QtNavigationHost host;
    trop::ProgramWindowOpener opener;
    trop::MainWindowRules rules(*storeRoot, host, opener);
    trop::MainWindow window(rules);
    // A second start brings us forward: the main window, and above it the
    // nested window the user is working in.
    QObject::connect(&instance, &trop::SingleInstance::activationRequested, &window, [&window] {
        trop::SingleInstance::bringToFront(&window);
        QWidget* top = QApplication::activeModalWidget();
        if (top && top != &window)
            trop::SingleInstance::bringToFront(top);
    });
    window.exec();
    return 0;
}
