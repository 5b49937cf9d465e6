// Start-up of Tablo: the store that trop uses, then the competitions
// window "Wyniki" until it closes. "--version" prints the version and ends.
#include "tablo/entry_window.h"
#include "tablo/tablo_messages.h"
#include "trop/store/competition_store.h"
#include "trop/store/folder_access.h"
#include "trop/store/store_location.h"
#include "trop/version.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tablo %s\n", trop::kProgramVersion);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tablo"));
    QApplication::setOrganizationName(QStringLiteral("Lirnik"));
    tablo::installTabloMessageBoxes();

    const std::filesystem::path programFolder(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    // The same store as trop's; the board only reads, so a missing store is
    // not created.
    const std::optional<std::filesystem::path> root = trop::storeRootFor(programFolder);
    if (!root || !trop::canEnterFolder(*root)) {
        trop::showMessage(8, trop::kStoreFolderName);
        return 1;
    }
    tablo::runCompetitionsWindow(*root);
    return 0;
}
