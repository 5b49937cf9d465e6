// Start-up of Tablo: the store next to the program, then the competitions
// window "Wyniki" until it closes. "--version" prints the version and ends.
#include "tablo/entry_window.h"
#include "tablo/tablo_messages.h"
#include "trop/store/competition_store.h"
#include "trop/store/folder_access.h"
#include "trop/version.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <filesystem>

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
    const std::filesystem::path root = programFolder / trop::kStoreFolderName;
    // The board only reads: a missing store is not created.
    if (!trop::canEnterFolder(root)) {
        trop::showMessage(8, trop::kStoreFolderName);
        return 1;
    }
    tablo::runCompetitionsWindow(root);
    return 0;
}
