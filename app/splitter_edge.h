#pragma once

class QSplitter;

namespace lexorin {

// The position of a two-pane splitter's handle: the extent of its first
// pane, measured from the splitter's top (panes above each other) or left
// edge (panes side by side).
//
// An edge set while the splitter is not on screen waits until the splitter
// is first shown: only then do its panes have the sizes the edge is taken
// from. Until then the waiting edge is the splitter's edge.
void SetSplitterEdge(QSplitter& splitter, int edge);
int SplitterEdge(const QSplitter& splitter);

}  // namespace lexorin
