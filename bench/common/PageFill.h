#pragma once
// Measures a list page filling from the switch: from show() until its reads have ended (Refresh
// enabled again), with the list's paint events and the longest time the event loop did not run
// a 5 ms timer while it filled.

class QDialog;
class QPushButton;
class CListView;

struct PageRun {
    double seconds = 0;
    int rows = 0;
    int paints = 0;
    double longestStallMs = 0;
};

// Shows the page, waits for its reads, closes it.
PageRun MeasurePageFill(QDialog& page, QPushButton* refresh, CListView* list);
