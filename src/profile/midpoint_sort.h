// Orders the drawing text from left to right by the middle of each statement's end points, the
// outline first and the bore after it.
#pragma once

#include <QStringList>

// Sorts the memo lines in place; equal keys keep their order, fewer than two lines stay as they
// are. A line that does not read as a statement stops the sort with the conversion message,
// after the exchanges that the first pass made before reaching it.
void MidpointSort(QStringList& memo);

// How many lines of a sorted memo the outline takes: the bore's lines follow them.
qsizetype OutlineLineCount(const QStringList& sortedMemo);
