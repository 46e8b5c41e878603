#include "dictionary/catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace lexorin {
namespace {

TEST(Catalogue, PanesGroupsAndSlotsAgree) {
  std::set<std::string_view> bases, views, lists;
  for (const PaneInfo& pane : Panes()) {
    EXPECT_EQ(&Pane(pane.id), &pane);
    EXPECT_EQ(PaneByName(pane.name), pane.id);
    // Each group's panes use the slots 1, 2, 3 in order, so one group's
    // panes never stop each other's renders.
    const GroupInfo& group = Group(pane.group);
    const auto position = std::find(group.panes.begin(), group.panes.end(), pane.id) - group.panes.begin();
    EXPECT_EQ(pane.workerSlot, position + 1) << pane.name;
    if (!pane.base.empty()) EXPECT_TRUE(bases.insert(pane.base).second) << pane.base;
    EXPECT_TRUE(views.insert(pane.view).second) << pane.view;
    EXPECT_TRUE(lists.insert(pane.wordList).second) << pane.wordList;
  }
  for (const GroupInfo& group : Groups()) {
    EXPECT_EQ(group.testList, Pane(group.panes[0]).wordList) << group.panel;
  }
  EXPECT_FALSE(PaneByName("Nowhere").has_value());
}

}  // namespace
}  // namespace lexorin
