// trop-cli print KIND FOLDER --pdf FILE [--paper A4|A5|A3|Letter] [--landscape]:
// writes a printout as a PDF, the same document the program prints, without
// any dialog. Qt's PDF writer and fonts draw it on the "offscreen" platform,
// so no display is needed.
#include "cli_commands.h"

#include "trop/print/category_folder.h"
#include "trop/print/print_flow.h"
#include "trop/print/results_printouts.h"
#include "trop/print/participants_printout.h"
#include "trop/print/stage_printouts.h"
#include "trop/print/store_reading.h"
#include "trop/store/competition_store.h"
#include "trop/store/cp1250.h"
#include "trop/ui/pdf/pdf_render.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>

namespace trop::cli {
namespace {

int usage()
{
    std::fprintf(stderr, "usage: trop-cli print competition|category|participants|startlist|details FOLDER "
                         "--pdf FILE [--paper A4|A5|A3|Letter] [--landscape]\n");
    return 2;
}

struct PrintOptions {
    std::string kind;
    std::filesystem::path folder;
    std::string pdf;
    QPageSize::PageSizeId paper = QPageSize::A4;
    bool landscape = false;
};

std::optional<PrintOptions> parse(const Arguments& args)
{
    static const std::map<std::string, QPageSize::PageSizeId> papers = {
        {"A4", QPageSize::A4}, {"A5", QPageSize::A5}, {"A3", QPageSize::A3}, {"Letter", QPageSize::Letter}};
    PrintOptions options;
    Arguments positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--landscape") {
            options.landscape = true;
        } else if (args[i] == "--pdf" && i + 1 < args.size()) {
            options.pdf = args[++i];
        } else if (args[i] == "--paper" && i + 1 < args.size()) {
            const auto paper = papers.find(args[++i]);
            if (paper == papers.end())
                return std::nullopt;
            options.paper = paper->second;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2 || options.pdf.empty())
        return std::nullopt;
    options.kind = positional[0];
    options.folder = normalizedFolder(positional[1]);
    return options;
}

// The document goes to a temporary file beside the target, renamed over it
// when complete.
class PdfFileHost : public PrintHost {
public:
    PdfFileHost(const PrintOptions& options)
        : file_(QString::fromStdString(options.pdf)),
          layout_(QPageSize(options.paper), options.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                  QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter)
    {
    }
    bool choosePrinter() override { return true; }
    RenderStatus render(const Printout& printout) override
    {
        AbortFlag never{false};
        return writePrintoutPdfAtomically(printout, layout_, file_, never, {}).status;
    }
    bool deliver() override { return true; }
    void discard() override {}
    std::string targetName() const override { return file_.toStdString(); }

private:
    QString file_;
    QPageLayout layout_;
};

// Qt's notes about the platform (no runtime folder, no display) are not the
// user's concern here; only its errors are shown.
void quietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

std::string cp1250Name(const std::filesystem::path& folder) { return utf8ToCp1250(folderName(folder)); }

std::string displayName(const std::filesystem::path& categoryFolder)
{
    return utf8ToCp1250(categoryDisplayName(folderName(categoryFolder)));
}

// Empty when the folder is of the kind the printout needs.
std::string folderProblem(const std::string& kind, const std::filesystem::path& folder)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return "no such folder";
    if (kind == "category" || kind == "participants")
        return categoryFolderProblem(folder);
    if (kind == "startlist" || kind == "details") {
        const std::string name = folderName(folder);
        if (name.size() != 2 || name[0] != 'E' || name[1] < '0' || name[1] > '9')
            return "not a stage folder (expected E0 .. E9)";
        return categoryFolderProblem(folder.parent_path());
    }
    return {};
}

StagePrintContext stageContext(const std::filesystem::path& stageFolder, const MemberTable* members)
{
    const std::filesystem::path category = stageFolder.parent_path();
    return {stageFolder, folderName(stageFolder), folderName(category), displayName(category), members};
}

} // namespace

int runPrint(const Arguments& args)
{
    const std::optional<PrintOptions> options = parse(args);
    if (!options)
        return usage();
    if (const std::string problem = folderProblem(options->kind, options->folder); !problem.empty()) {
        std::fprintf(stderr, "trop-cli print: %s: %s\n", options->folder.string().c_str(), problem.c_str());
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtNotes);
    int argc = 1;
    char name[] = "trop-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    const std::filesystem::path& folder = options->folder;
    auto members = std::make_unique<MemberTable>();
    std::unique_ptr<Printout> printout;
    if (options->kind == "competition") {
        printout = std::make_unique<CompetitionResultsPrintout>(folder, cp1250Name(folder));
    } else if (options->kind == "category") {
        printout = std::make_unique<CategoryResultsPrintout>(folder, displayName(folder));
    } else if (options->kind == "participants") {
        printout = std::make_unique<ParticipantsPrintout>(folder, cp1250Name(folder.parent_path()), displayName(folder));
    } else if (options->kind == "startlist" || options->kind == "details") {
        if (readMembersOnly(folder.parent_path(), *members) < 0)
            std::fprintf(stderr, "trop-cli print: cannot read %s\n", kMembersFileName);
        if (options->kind == "startlist") {
            printout = std::make_unique<StartListPrintout>(stageContext(folder, members.get()));
        } else {
            printout = std::make_unique<StageDetailsPrintout>(stageContext(folder, members.get()));
        }
    } else {
        return usage();
    }
    PdfFileHost host(*options);
    return runPrintFlow(*printout, host) ? 0 : 1;
}

} // namespace trop::cli
