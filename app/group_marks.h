#pragma once
#include <array>
#include <optional>

#include "dictionary/catalogue.h"

namespace lexorin {

// The check marks of the five group items, in the order of the groups.
using GroupMarks = std::array<bool, kGroupCount>;

// The active group: the first checked item in group order, if any.
std::optional<GroupId> ActiveGroup(const GroupMarks& marks);

// The marks after activating `group`: its item on, the other four off.
GroupMarks MarksFor(GroupId group);

// The tab to show after a failed load of the selectable or editable
// dictionary: the tab of the active group, or nothing (the tab stays) when no
// group is active or the active group is `failed` itself.
std::optional<int> TabAfterFailedLoad(const GroupMarks& marks, GroupId failed);

}  // namespace lexorin
