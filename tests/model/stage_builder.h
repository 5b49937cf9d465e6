// A small route built in a few lines for the stage-definition tests.
#pragma once

#include "trop/model/stage_edits.h"
#include "trop/model/stage_file.h"
#include "trop/store/fixed_text.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace trop::test {

struct PointPlan {
    std::string description1;
    std::vector<int> controls;
    bool isLop = false;
    bool marked = false;
    int confirmations = 1;
    std::vector<int> associated = {};
};

class StageBuilder {
public:
    // Entry 0 "bpk", then one entry per code.
    explicit StageBuilder(std::initializer_list<const char*> codes = {"A", "B", "C"})
        : stage_(std::make_unique<StageDefinition>())
    {
        applyStageDefaults(*stage_);
        std::uint32_t colour = 0x10;
        for (const char* code : codes)
            addCode(*stage_, colour++, code);
    }
    StageBuilder& point(const PointPlan& plan)
    {
        RoutePoint& point = stage_->points[stage_->pointCount++];
        clearPoint(point);
        setFieldText(point.description1, plan.description1);
        point.isLop = plan.isLop;
        point.markedOnMap = plan.marked;
        point.confirmations = plan.confirmations;
        for (int code : plan.controls)
            appendCodeRef(*stage_, point, PointList::Controls, code);
        for (int code : plan.associated)
            appendCodeRef(*stage_, point, PointList::Associated, code);
        return *this;
    }
    StageBuilder& group(std::initializer_list<int> members, int confirmations)
    {
        PointGroup group{};
        for (int member : members)
            group.members[group.memberCount++] = member;
        group.confirmations = confirmations;
        insertGroup(*stage_, stage_->groupCount, group);
        return *this;
    }
    StageBuilder& order(OrderRule rule, std::initializer_list<int> entries)
    {
        stage_->orderRule = rule;
        stage_->orderCount = 0;
        for (int entry : entries)
            stage_->orderList[stage_->orderCount++] = entry;
        return *this;
    }
    StageDefinition& stage() { return *stage_; }

private:
    std::unique_ptr<StageDefinition> stage_;
};

inline std::vector<int> orderOf(const StageDefinition& stage)
{
    return std::vector<int>(stage.orderList, stage.orderList + stage.orderCount);
}

inline std::vector<int> membersOf(const PointGroup& group)
{
    return std::vector<int>(group.members, group.members + group.memberCount);
}

inline std::vector<int> codeIndices(const CodeRef* refs, int count)
{
    std::vector<int> indices;
    for (int i = 0; i < count; ++i)
        indices.push_back(refs[i].codeIndex);
    return indices;
}

} // namespace trop::test
