// The run of a printout: what is asked and shown in which case, and that
// nothing reaches the printer unless the document is complete.
#include "trop/print/print_flow.h"
#include "trop/store/messages.h"

#include <gtest/gtest.h>

#include <vector>

using namespace trop;

namespace {

class FakePrintout : public Printout {
public:
    bool canStart = true;
    bool hasData = true;
    std::vector<std::string> calls;
    std::string documentName() const override { return "Kategoria TP"; }
    bool prepare() override
    {
        calls.push_back("prepare");
        return canStart;
    }
    void readHeader() override { calls.push_back("header"); }
    bool loadData() override
    {
        calls.push_back("data");
        return hasData;
    }
    PrintLayout layOut(const LayoutRequest&) const override { return {}; }
};

class FakeHost : public PrintHost {
public:
    bool confirm = true;
    RenderStatus status = RenderStatus::Complete;
    bool delivers = true;
    std::vector<std::string> calls;
    bool choosePrinter() override
    {
        calls.push_back("dialog");
        return confirm;
    }
    RenderStatus render(const Printout&) override
    {
        calls.push_back("render");
        return status;
    }
    bool deliver() override
    {
        calls.push_back("deliver");
        return delivers;
    }
    void discard() override { calls.push_back("discard"); }
    std::string targetName() const override { return "Biuro"; }
};

TEST(PrintFlow, OnlyACompleteDocumentReachesThePrinter)
{
    struct Case {
        const char* name;
        bool canStart;
        bool confirm;
        bool hasData;
        RenderStatus status;
        bool delivers;
        std::vector<std::string> hostCalls;
        std::vector<int> messages;
        bool printed;
    };
    using V = std::vector<std::string>;
    const Case cases[] = {
        {"printed", true, true, true, RenderStatus::Complete, true, V{"dialog", "render", "deliver"}, {}, true},
        {"cannot start", false, false, true, RenderStatus::Complete, true, V{}, {}, false},
        {"dialog cancelled", true, false, true, RenderStatus::Complete, true, V{"dialog"}, {}, false},
        {"nothing to print", true, true, false, RenderStatus::Complete, true, V{"dialog"}, {}, false},
        {"aborted", true, true, true, RenderStatus::Aborted, true, V{"dialog", "render", "discard"}, {}, false},
        {"no pages", true, true, true, RenderStatus::NoPages, true, V{"dialog", "render", "discard"}, {}, false},
        {"cannot open", true, true, true, RenderStatus::CannotOpen, true, V{"dialog", "render", "discard"}, {6}, false},
        {"printer refuses", true, true, true, RenderStatus::Complete, false, V{"dialog", "render", "deliver", "discard"}, {6},
         false},
    };
    for (const Case& c : cases) {
        std::vector<MessageRequest> shown;
        MessageAnswerer previous = setMessageAnswerer([&](const MessageRequest& request) {
            shown.push_back(request);
            return MessageAnswer::Ok;
        });
        FakePrintout printout;
        printout.canStart = c.canStart;
        printout.hasData = c.hasData;
        FakeHost host;
        host.confirm = c.confirm;
        host.status = c.status;
        host.delivers = c.delivers;
        EXPECT_EQ(runPrintFlow(printout, host), c.printed) << c.name;
        setMessageAnswerer(previous);

        EXPECT_EQ(host.calls, c.hostCalls) << c.name;
        const V loaded = !c.canStart ? V{"prepare"} : c.confirm ? V{"prepare", "header", "data"} : V{"prepare", "header"};
        EXPECT_EQ(printout.calls, loaded) << c.name;
        std::vector<int> ids;
        for (const MessageRequest& request : shown)
            ids.push_back(request.id);
        EXPECT_EQ(ids, c.messages) << c.name;
        if (!shown.empty()) {
            EXPECT_EQ(shown[0].arg1, "Biuro") << c.name;
        }
    }
}

} // namespace
