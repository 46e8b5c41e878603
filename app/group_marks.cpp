#include "app/group_marks.h"

namespace lexorin {

std::optional<GroupId> ActiveGroup(const GroupMarks& marks) {
  for (const GroupInfo& group : Groups()) {
    if (marks[static_cast<size_t>(group.id)]) return group.id;
  }
  return std::nullopt;
}

GroupMarks MarksFor(GroupId group) {
  GroupMarks marks{};
  marks[static_cast<size_t>(group)] = true;
  return marks;
}

std::optional<int> TabAfterFailedLoad(const GroupMarks& marks, GroupId failed) {
  const auto active = ActiveGroup(marks);
  if (!active || *active == failed) return std::nullopt;
  return Group(*active).tab;
}

}  // namespace lexorin
