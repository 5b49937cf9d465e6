// Test doubles for the navigation rules: a private store folder, a message
// recorder, a host that answers dialogs by script and an opener that records.
#pragma once

#include "trop/store/messages.h"
#include "trop/ui/dialogs/category_dialog_flow.h"
#include "trop/ui/dialogs/competition_dialog_flow.h"
#include "trop/ui/dialogs/stage_dialog_flow.h"
#include "trop/ui/navigation/category_window_rules.h"
#include "trop/ui/navigation/competition_window_rules.h"
#include "trop/ui/navigation/navigation_host.h"
#include "trop/ui/navigation/stage_window_rules.h"
#include "trop/ui/navigation/window_opener.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace trop::test {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("trop-ui-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

    std::filesystem::path makeFolder(const std::filesystem::path& relative) const
    {
        std::filesystem::create_directories(path_ / relative);
        return path_ / relative;
    }
    void writeFile(const std::filesystem::path& relative, const std::string& bytes) const
    {
        std::ofstream(path_ / relative, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path path_;
};

inline std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Records every message and answers from a queue (default button when empty).
class MessageRecorder {
public:
    MessageRecorder()
    {
        previous_ = setMessageAnswerer([this](const MessageRequest& request) {
            asked.push_back(request);
            if (answers.empty())
                return defaultAnswer(request.style);
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~MessageRecorder() { setMessageAnswerer(previous_); }

    std::vector<int> ids() const
    {
        std::vector<int> result;
        for (const MessageRequest& request : asked)
            result.push_back(request.id);
        return result;
    }

    std::vector<MessageRequest> asked;
    std::deque<MessageAnswer> answers;

private:
    MessageAnswerer previous_;
};

// Answers each dialog with a script; a missing script cancels. Child windows
// are recorded with what they showed and may run a script of their own.
class FakeHost : public NavigationHost {
public:
    std::function<bool(CompetitionDialogFlow&)> competitionDialog;
    std::function<bool(StageDialogFlow&)> stageDialog;
    std::function<bool(CategoryDialogFlow&)> categoryDialog;
    std::function<void(CompetitionWindowRules&)> competitionWindow;
    std::function<void(CategoryWindowRules&)> categoryWindow;
    std::function<void(StageWindowRules&)> stageWindow;

    std::vector<std::string> windowsRun; // titles of the child windows shown
    int dialogsRun = 0;

    bool runCompetitionDialog(CompetitionDialogFlow& flow) override
    {
        ++dialogsRun;
        return competitionDialog && competitionDialog(flow);
    }
    bool runStageDialog(StageDialogFlow& flow) override
    {
        ++dialogsRun;
        return stageDialog && stageDialog(flow);
    }
    bool runCategoryDialog(CategoryDialogFlow& flow) override
    {
        ++dialogsRun;
        return categoryDialog && categoryDialog(flow);
    }
    void runCompetitionWindow(CompetitionWindowRules& rules) override
    {
        windowsRun.push_back(rules.title());
        if (competitionWindow)
            competitionWindow(rules);
    }
    void runCategoryWindow(CategoryWindowRules& rules) override
    {
        windowsRun.push_back(rules.title());
        if (categoryWindow)
            categoryWindow(rules);
    }
    void runStageWindow(StageWindowRules& rules) override
    {
        windowsRun.push_back(rules.title());
        if (stageWindow)
            stageWindow(rules);
    }
};

// Records "what:detail" for every call.
class RecordingOpener : public WindowOpener {
public:
    std::vector<std::string> calls;
    StageContext lastStage;
    CategoryContext lastCategory;

    void printCompetitionResults(const std::filesystem::path&, const std::string& name) override
    {
        calls.push_back("printCompetitionResults:" + name);
    }
    void printerSetup() override { calls.push_back("printerSetup"); }
    void openParticipantsEditor(const CategoryContext& c) override { category("openParticipantsEditor", c); }
    void printParticipants(const CategoryContext& c) override { category("printParticipants", c); }
    void openOverallResults(const CategoryContext& c) override { category("openOverallResults", c); }
    void printCategoryResults(const CategoryContext& c) override { category("printCategoryResults", c); }
    void exportResults(const CategoryContext& c) override { category("exportResults", c); }
    void openStartList(const StageContext& s) override { stage("openStartList", s); }
    void openRouteDefinition(const StageContext& s) override { stage("openRouteDefinition", s); }
    void openStartCards(const StageContext& s) override { stage("openStartCards", s); }
    void openStageResultsList(const StageContext& s) override { stage("openStageResultsList", s); }
    void openFinishOrder(const StageContext& s) override { stage("openFinishOrder", s); }
    void printStartList(const StageContext& s) override { stage("printStartList", s); }
    void printStageResultDetails(const StageContext& s) override { stage("printStageResultDetails", s); }

private:
    void category(const char* what, const CategoryContext& c)
    {
        calls.push_back(std::string(what) + ":" + c.categoryDisplayName);
        lastCategory = c;
    }
    void stage(const char* what, const StageContext& s)
    {
        calls.push_back(std::string(what) + ":" + s.stageFolderName);
        lastStage = s;
    }
};

} // namespace trop::test
