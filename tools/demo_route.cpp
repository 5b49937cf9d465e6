// The routes of the sample competition's two stages.
#include "demo_competition.h"

#include "trop/model/stage_file.h"
#include "trop/store/cp1250.h"
#include "trop/store/fixed_text.h"

#include <array>
#include <initializer_list>

namespace trop::demo {
namespace {

struct DemoCode {
    const char* code;
    std::uint32_t colour; // 0x00BBGGRR
};

// Entry 0 is "bpk"; "TX" and "ZB" stand in the terrain without belonging to
// any point (decoys).
constexpr std::array<DemoCode, 18> kCodes = {{
    {"AK", 0x0000FF}, {"BT", 0x00A000}, {"CE", 0xFF0000}, {"DM", 0x00FFFF}, {"EN", 0x0080FF}, {"FR", 0xFFFFFF},
    {"GH", 0xC080FF}, {"HU", 0x800080}, {"JS", 0x204080}, {"KW", 0x808080}, {"MZ", 0xFFFF00}, {"NP", 0x000000},
    {"PR", 0x4040C0}, {"RS", 0x40C040}, {"SW", 0xC04040}, {"WZ", 0x00C0C0}, {"TX", 0x0000FF}, {"ZB", 0x00FF00},
}};

int codeIndex(const char* code)
{
    for (std::size_t i = 0; i < kCodes.size(); ++i)
        if (std::string_view(kCodes[i].code) == code)
            return static_cast<int>(i) + 1;
    return 0;
}

void setRefs(CodeRef* refs, std::int32_t& count, std::initializer_list<const char*> codes)
{
    count = 0;
    for (const char* code : codes)
        refs[count++].codeIndex = codeIndex(code);
}

struct PointSpec {
    const char* description1;
    const char* description2;
    bool lop;
    bool area;
    bool markedOnMap;
    int confirmations;
    std::initializer_list<const char*> controls;
    std::initializer_list<const char*> associated;
};

void addPoint(StageDefinition& route, const PointSpec& plan)
{
    RoutePoint& point = route.points[route.pointCount++];
    point = RoutePoint{};
    setFieldText(point.description1, plan.description1);
    setFieldText(point.description2, plan.description2);
    point.isLop = plan.lop;
    point.isArea = plan.area;
    point.markedOnMap = plan.markedOnMap;
    point.confirmations = plan.confirmations;
    setRefs(point.controls, point.controlCount, plan.controls);
    setRefs(point.associated, point.associatedCount, plan.associated);
}

void addGroup(StageDefinition& route, std::initializer_list<int> members, int confirmations)
{
    PointGroup& group = route.groups[route.groupCount++];
    group = PointGroup{};
    for (int member : members)
        group.members[group.memberCount++] = member;
    group.confirmations = confirmations;
}

// Stage 1: any order, two alternative points in a group, a LOP, an area of
// two confirmations and a task.
void firstStageRoute(StageDefinition& route)
{
    addPoint(route, {"1", "", false, false, true, 1, {"AK"}, {"BT"}});
    addPoint(route, {"2", "", false, false, true, 1, {"CE"}, {}});
    addPoint(route, {"3", "", false, false, false, 1, {"DM", "EN"}, {"FR"}});
    addPoint(route, {"4", "A", false, false, true, 1, {"GH"}, {"HU"}});
    addPoint(route, {"5", "", false, false, false, 1, {"JS"}, {}});
    addPoint(route, {"6", "", false, false, true, 1, {"KW"}, {"MZ"}});
    addPoint(route, {"7", "", false, false, false, 1, {"NP"}, {}});
    addPoint(route, {"8", "", false, false, false, 1, {"PR"}, {}});
    addPoint(route, {"1", "", true, false, true, 1, {"RS"}, {}});
    addPoint(route, {"1", "", false, true, true, 2, {"SW", "WZ"}, {}});
    addGroup(route, {6, 7}, 1);
    addGroup(route, {8}, 1);
    route.requiredConfirmations = 7;
    route.orderRule = AnyOrder;
    route.timeLimit = 120;
    route.lateLimit = 30;
    route.stageConstant = 300;
    route.taskEnabled = 1;
    route.taskCorrectValue = 350;
    route.taskDeviationInPercent = 1;
    route.taskPenaltyPerPoint = 1;
}

// Stage 2: the points must be confirmed in route order.
void secondStageRoute(StageDefinition& route)
{
    addPoint(route, {"1", "", false, false, true, 1, {"BT"}, {}});
    addPoint(route, {"2", "", false, false, true, 1, {"AK"}, {"CE"}});
    addPoint(route, {"3", "", false, false, false, 1, {"DM"}, {}});
    addPoint(route, {"4", "", false, false, true, 1, {"FR", "GH"}, {}});
    addPoint(route, {"5", "", false, false, false, 1, {"HU"}, {"JS"}});
    addPoint(route, {"6", "B", false, false, true, 1, {"KW"}, {}});
    addPoint(route, {"1", "", true, false, true, 1, {"MZ"}, {}});
    addPoint(route, {"7", "", false, false, false, 1, {"NP"}, {}});
    addPoint(route, {"8", "", false, false, true, 1, {"PR"}, {"RS"}});
    addGroup(route, {6}, 1);
    route.requiredConfirmations = 8;
    route.orderRule = PointOrder;
    for (int point : {0, 1, 2, 3, 4, 5, 7, 8})
        route.orderList[route.orderCount++] = point;
    route.timeLimit = 150;
    route.lateLimit = 30;
    route.stageConstant = 250;
    route.taskEnabled = 0;
    route.taskCorrectValue = 100;
    route.taskPenaltyPerPoint = 1;
}

} // namespace

void buildDemoRoute(int stage, StageDefinition& route)
{
    route = StageDefinition{};
    applyStageDefaults(route);
    for (const DemoCode& code : kCodes)
        addCode(route, code.colour, code.code);
    if (stage == 1)
        firstStageRoute(route);
    else
        secondStageRoute(route);
}

StageParams demoStageParams(int stage)
{
    StageParams params{};
    const bool first = stage == 1;
    setFieldText(params.timeLimitText, first ? "120" : "150");
    setFieldText(params.lateLimitText, "30");
    setFieldText(params.author, utf8ToCp1250("Grzegorz Błaszczyk, Ewa Żak"));
    setFieldText(params.name1, utf8ToCp1250(first ? "Etap I – dzienny" : "Etap II – nocny"));
    setFieldText(params.name2, utf8ToCp1250(first ? "Lasy pod Truskawiem" : "Okolice Roztoki"));
    setFieldText(params.name3, "");
    setFieldText(params.routeLengthText, first ? "8,5 km" : "6,2 km");
    setFieldText(params.climbText, first ? "60 m" : "45 m");
    setFieldText(params.mapScaleText, first ? "15000" : "10000");
    setFieldText(params.contourText, "2,5 m");
    setFieldText(params.mosText, "3");
    return params;
}

} // namespace trop::demo
