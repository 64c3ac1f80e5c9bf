#pragma once
// A list view as the pages use it: rows of text cells under fixed column headers, full-row
// selection, grid lines, not editable. Each column is as wide as its header text plus 15
// pixels. The headers are exposed to accessibility tools through the table's header model.
// What a list shows can be taken away: Ctrl+C and the context menu's "Copy" put the selected
// rows on the clipboard, "Export to CSV…" writes the whole list to a file.

#include <QTableWidget>

class QAction;

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

    // The column headers, then the selected rows, as tab-separated text on the clipboard;
    // nothing when no row is selected.
    void copySelection() const;
    // The column headers, then every row, as a UTF-8 CSV file. False with `error` set when the
    // file cannot be written.
    bool exportCsv(const QString& path, QString* error = nullptr) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Asks for a file name, then exports; a failure is reported in a message box.
    void exportToChosenFile();
    // The header row followed by the given rows.
    QList<QStringList> textsWithHeaders(const QList<int>& rows) const;

    QAction* m_copyAction;
    QAction* m_exportAction;
};
