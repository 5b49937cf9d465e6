#include "trop/print/results_printouts.h"

#include "trop/print/category_folder.h"
#include "trop/print/store_reading.h"
#include "trop/store/competition_store.h"
#include "trop/store/cp1250.h"
#include "trop/store/header_files.h"
#include "trop/store/messages.h"

#include <algorithm>

namespace trop {
namespace {

constexpr int kNoResultsMessage = 28;

void readCompetitionHeaderOrWarn(const std::filesystem::path& competitionFolder, CompetitionHeader& header,
                                 const char* shownName)
{
    if (readCompetitionHeader(competitionFolder, header) != HeaderRead::Ok)
        showMessage(7, shownName);
}

// Categories are never part of the competition results.
bool leftOutOfCompetition(const std::string& folderName)
{
    return folderName == "RK" || folderName == "SZ" || folderName == "TP";
}

PrintLayout finished(PageSequence& document, const LayoutRequest& request, bool complete)
{
    PrintLayout layout;
    layout.aborted = !complete;
    if (complete)
        layout.pages = document.finish(request.measurer, request.dateText);
    return layout;
}

} // namespace

std::unique_ptr<ResultsCategory> loadResultsCategory(const std::filesystem::path& categoryFolder,
                                                     const std::string& displayName, bool* stageUnreadable)
{
    auto category = std::make_unique<ResultsCategory>();
    category->displayName = displayName;
    category->members = std::make_unique<MemberTable>();
    if (readMembersOnly(categoryFolder, *category->members) <= 0)
        return nullptr;
    category->classification = std::make_unique<ClassificationTable>();
    ClassificationFailure failure;
    if (classifyLoadedMembers(categoryFolder, *category->members, *category->classification, &failure)
        == ClassificationResult::StageUnreadable) {
        showMessage(7, failure.fileText);
        if (stageUnreadable != nullptr)
            *stageUnreadable = true;
        return nullptr;
    }
    return category;
}

CategoryResultsPrintout::CategoryResultsPrintout(std::filesystem::path categoryFolder, std::string categoryDisplayName)
    : folder_(normalizedFolder(categoryFolder)), displayName_(std::move(categoryDisplayName))
{
}

std::string CategoryResultsPrintout::documentName() const { return "Kategoria " + displayName_; }

void CategoryResultsPrintout::readHeader()
{
    readCompetitionHeaderOrWarn(folder_.parent_path(), header_, "..\\Name.and.date");
}

bool CategoryResultsPrintout::loadData()
{
    bool stageUnreadable = false;
    category_ = loadResultsCategory(folder_, displayName_, &stageUnreadable);
    if (category_ == nullptr || !hasPrintableTeams(*category_->classification)) {
        category_.reset();
        if (!stageUnreadable)
            showMessage(kNoResultsMessage);
        return false;
    }
    return true;
}

PrintLayout CategoryResultsPrintout::layOut(const LayoutRequest& request) const
{
    PageSequence document;
    bool complete = true;
    if (category_ != nullptr) {
        const ResultsCategoryInput input{&header_, category_->displayName, category_->members.get(),
                                         category_->classification.get()};
        complete = layOutCategoryResults(document, input, request.device, request.measurer, request.abort);
    }
    return finished(document, request, complete);
}

CompetitionResultsPrintout::CompetitionResultsPrintout(std::filesystem::path competitionFolder, std::string name)
    : folder_(normalizedFolder(competitionFolder)), name_(std::move(name))
{
}

bool CompetitionResultsPrintout::prepare()
{
    std::error_code error;
    if (std::filesystem::is_directory(folder_, error))
        return true;
    showMessage(8, cp1250ToUtf8(name_));
    return false;
}

void CompetitionResultsPrintout::readHeader()
{
    readCompetitionHeaderOrWarn(folder_, header_, kCompetitionHeaderFileName);
}

bool CompetitionResultsPrintout::loadData()
{
    categories_.clear();
    std::vector<CategoryEntry> entries = listCategories(folder_);
    // Codes in their numbering order, then custom categories by name.
    std::stable_sort(entries.begin(), entries.end(), [](const CategoryEntry& a, const CategoryEntry& b) {
        return a.number != b.number ? a.number < b.number : a.folderName < b.folderName;
    });
    for (const CategoryEntry& entry : entries) {
        if (leftOutOfCompetition(entry.folderName))
            continue;
        bool stageUnreadable = false;
        auto category =
            loadResultsCategory(folder_ / entry.folderName, utf8ToCp1250(entry.displayName), &stageUnreadable);
        if (stageUnreadable) {
            categories_.clear();
            return false;
        }
        if (category != nullptr && hasPrintableTeams(*category->classification))
            categories_.push_back(std::move(category));
    }
    if (categories_.empty()) {
        showMessage(kNoResultsMessage);
        return false;
    }
    return true;
}

PrintLayout CompetitionResultsPrintout::layOut(const LayoutRequest& request) const
{
    PageSequence document;
    bool complete = true;
    for (const auto& category : categories_) {
        const ResultsCategoryInput input{&header_, category->displayName, category->members.get(),
                                         category->classification.get()};
        complete = !request.abort.load()
                   && layOutCategoryResults(document, input, request.device, request.measurer, request.abort);
        if (!complete)
            break;
    }
    return finished(document, request, complete);
}

} // namespace trop
