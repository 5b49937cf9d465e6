// The classification printouts: one category ("Drukuj" on "Wyniki") and a
// whole competition, every classified category on its own pages.
#pragma once

#include "trop/print/printout.h"
#include "trop/print/results_table_layout.h"

#include <filesystem>
#include <memory>
#include <vector>

namespace trop {

// A category as the results printouts hold it.
struct ResultsCategory {
    std::string displayName; // code page 1250
    std::unique_ptr<MemberTable> members;
    std::unique_ptr<ClassificationTable> classification;
};

// Reads the members (creating nothing) and classifies them; null when the
// category has no members or its members cannot be read. When a stage's
// results exist but cannot be read, message 7 names the file, the result is
// null and *stageUnreadable (when given) is set: the printout then stops.
std::unique_ptr<ResultsCategory> loadResultsCategory(const std::filesystem::path& categoryFolder,
                                                     const std::string& displayName,
                                                     bool* stageUnreadable = nullptr);

class CategoryResultsPrintout : public Printout {
public:
    // Names are code page 1250 texts.
    CategoryResultsPrintout(std::filesystem::path categoryFolder, std::string categoryDisplayName);

    std::string documentName() const override;
    void readHeader() override;
    bool loadData() override;
    PrintLayout layOut(const LayoutRequest& request) const override;

private:
    std::filesystem::path folder_;
    std::string displayName_;
    CompetitionHeader header_{};
    std::unique_ptr<ResultsCategory> category_;
};

class CompetitionResultsPrintout : public Printout {
public:
    // name: the competition's folder name, code page 1250.
    CompetitionResultsPrintout(std::filesystem::path competitionFolder, std::string name);

    std::string documentName() const override { return name_; }
    // Message 8 with the folder's name when the competition folder cannot
    // be entered.
    bool prepare() override;
    void readHeader() override;
    bool loadData() override;
    PrintLayout layOut(const LayoutRequest& request) const override;

private:
    std::filesystem::path folder_;
    std::string name_;
    CompetitionHeader header_{};
    std::vector<std::unique_ptr<ResultsCategory>> categories_;
};

} // namespace trop
