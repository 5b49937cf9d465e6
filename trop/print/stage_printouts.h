// The two printouts of a stage: the start list ("Drukuj" on "Lista
// startowa") and the detailed results of every entered card ("Drukuj" on
// "Klasyfikacja").
#pragma once

#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/model/stage_definition.h"
#include "trop/model/start_list.h"
#include "trop/print/printout.h"
#include "trop/store/header_records.h"

#include <filesystem>
#include <memory>

namespace trop {

// What both stage printouts are given by the stage window.
struct StagePrintContext {
    std::filesystem::path stageFolder;
    std::string stageFolderName;     // "E2"
    std::string categoryFolderName;  // "SZ", "X.Name"
    std::string categoryDisplayName; // code page 1250
    const MemberTable* members = nullptr; // the members the stage window loaded
};

class StagePrintout : public Printout {
public:
    explicit StagePrintout(StagePrintContext context) : context_(std::move(context)) {}
    std::string documentName() const override { return "Kategoria " + context_.categoryDisplayName; }
    void readHeader() override; // "Name.and.Param"

protected:
    std::string title() const; // stage folder, "     Kategoria  ", category
    StagePrintContext context_;
    StageParams params_{};
};

class StartListPrintout : public StagePrintout {
public:
    using StagePrintout::StagePrintout;
    bool loadData() override;
    PrintLayout layOut(const LayoutRequest& request) const override;
    void setStartList(std::unique_ptr<StartList> list) { startList_ = std::move(list); }

private:
    std::unique_ptr<StartList> startList_;
};

class StageDetailsPrintout : public StagePrintout {
public:
    using StagePrintout::StagePrintout;
    // Loads the stage definition before anything else; false (after message
    // 7) when it cannot be read.
    bool prepare() override;
    bool loadData() override;
    PrintLayout layOut(const LayoutRequest& request) const override;

    // What prepare and loadData would load.
    void setStage(std::unique_ptr<StageDefinition> stage, std::unique_ptr<ResultsTable> cards);

private:
    std::unique_ptr<StageDefinition> stage_;
    std::unique_ptr<ResultsTable> cards_;
};

} // namespace trop
