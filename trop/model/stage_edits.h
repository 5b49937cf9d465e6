// Edits of a stage definition that keep its cross-references whole: deleting
// a code or a point, removing and inserting groups, appending markers to a
// point, and cleaning index lists that came from disk. No messages, no
// widgets: the route editors call these and show the result.
#pragma once

#include "trop/model/stage_definition.h"

#include <vector>

namespace trop {

enum class PointList { Controls, Associated };

// Removes code-table entry `entry` (1..codeCount-1; entry 0 "bpk" stays).
// Later entries move up; every reference of every point to the entry is
// removed and references to later entries are renumbered. False when the
// entry cannot be deleted.
bool deleteCode(StageDefinition& stage, int entry);

// Removes entry `position` of a point's controls or associated markers.
bool removeCodeRef(RoutePoint& point, PointList list, int position);

// Appends a reference to code-table entry `codeIndex` to the point's list.
// False when the list is full or the entry is not in use.
bool appendCodeRef(const StageDefinition& stage, RoutePoint& point, PointList list, int codeIndex);

// Deletes existing point `point` (below pointCount): later points move up,
// the point leaves its group (whose confirmations then shrink to at most
// its member count; a group left empty is removed), the order list loses it
// under the point order rule, every later point index is renumbered, and
// requiredConfirmations drops by one when an ordinary point (neither LOP nor
// area) is deleted, never below 0. False (and nothing changes) otherwise.
bool deletePoint(StageDefinition& stage, int point);

// Removes group `group` (below groupCount); under the group order rule the
// group leaves the order list and later group indices are renumbered.
// Returns the removed group.
PointGroup removeGroup(StageDefinition& stage, int group);

// Inserts `group` at `at` (0..groupCount) while groupCount is below 30; under
// the group order rule every order entry at or above `at` moves up by one.
bool insertGroup(StageDefinition& stage, int at, const PointGroup& group);

// The group that holds point `point`, or -1.
int groupOfPoint(const StageDefinition& stage, int point);

// The entries of `indices` below `limit`, without repetitions, in order:
// what is left of a list read from a file once damaged entries are dropped.
std::vector<int> cleanIndexList(const std::int32_t* indices, int count, int limit);

// The group's members cleaned as above (points below pointCount).
std::vector<int> groupMembers(const StageDefinition& stage, const PointGroup& group);

// The order list cleaned as above: points under the point order rule,
// groups under the group order rule, nothing under the free order.
std::vector<int> orderEntries(const StageDefinition& stage);

bool isSpecialPoint(const RoutePoint& point); // a LOP or an area

// A group whose first member is a LOP or an area (such a group holds only it).
bool isSpecialGroup(const StageDefinition& stage, const PointGroup& group);

// The record of a point that is about to be created on the empty slot.
void clearPoint(RoutePoint& point);

// The stage constant that "Oblicz" proposes for `requiredConfirmations`
// confirmations: 60 per confirmation that can be made at a point not marked
// on the map, 90 per other confirmation, 60 per confirmation of LOPs and
// areas; groups are settled first.
long long computeStageConstant(const StageDefinition& stage, int requiredConfirmations);

} // namespace trop
