#pragma once
// A list view as the pages use it: rows of text cells under fixed column headers, full-row
// selection, grid lines, not editable. Each column is as wide as its header text plus 15
// pixels. The headers are exposed to accessibility tools through the table's header model.

#include <QTableWidget>

class CListView : public QTableWidget {
    Q_OBJECT
public:
    CListView(int controlId, const QStringList& headers, QWidget* parent = nullptr);

    // Appends a row whose first cell is `firstCell` and the others empty; returns its number.
    int appendRow(const QString& firstCell);
    void setCell(int row, int column, const QString& text);
    // Empty for a cell that is not there.
    QString cell(int row, int column) const;
    QStringList rowTexts(int row) const;
    void clearRows();
    // Widens the columns whose cells do not fit (never narrows one below its header).
    void fitColumnsToContents();
    // The width that shows every column whole, with the frame and the vertical scroll bar.
    int fullWidth() const;
};
