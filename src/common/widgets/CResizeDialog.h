#pragma once
// The base of the pages with one control per port: a page (CPageDialog: top-level, top-most,
// application-modal) whose controls sit at fixed places and follow the window by an anchor
// table when the operator resizes it. The window cannot become smaller than it was when it
// opened; a size grip sits in the bottom-right corner.
//
//     setAnchors({{IdOk, CResizeDialog::MoveBoth, 100}, {IdGroup, CResizeDialog::GrowBoth, 100}});

#include "CPageDialog.h"

#include <QSize>

#include <vector>

class QSizeGrip;

class CResizeDialog : public CPageDialog {
    Q_OBJECT
public:
    // What of a control follows a change of the window size by dx, dy (times percent / 100).
    enum AnchorMode { MoveX = 0, MoveY = 1, MoveBoth = 2, GrowX = 3, GrowY = 4, GrowBoth = 5 };
    struct Anchor {
        int controlId;
        int mode;    // AnchorMode
        int percent; // 0 ... 100; other entries are ignored
    };

    explicit CResizeDialog(int templateId);

    // False (and nothing changes) for an empty table.
    bool setAnchors(std::vector<Anchor> anchors);
    void addAnchor(Anchor anchor) { m_anchors.push_back(anchor); }
    void showGrip(bool visible);

protected:
    // Puts the buttons in a row in the bottom-right corner of a client area of `size`, anchored
    // to follow it; returns the row's top.
    int placeCornerButtons(std::initializer_list<QPushButton*> buttons, QSize size);

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeGrip();

    std::vector<Anchor> m_anchors;
    QSize m_lastSize;
    bool m_gripVisible = true;
    QSizeGrip* m_grip;
};
