#include "CListView.h"

#include <QHeaderView>
#include <QScrollBar>

CListView::CListView(int controlId, const QStringList& headers, QWidget* parent)
    : QTableWidget(0, int(headers.size()), parent)
{
    setObjectName(QString::number(controlId));
    setHorizontalHeaderLabels(headers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* header = horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    const QFontMetrics metrics(header->font());
    for (int c = 0; c < headers.size(); ++c)
        setColumnWidth(c, metrics.horizontalAdvance(headers[c]) + 15);
}

int CListView::appendRow(const QString& firstCell)
{
    const int row = rowCount();
    insertRow(row);
    setCell(row, 0, firstCell);
    return row;
}

void CListView::setCell(int row, int column, const QString& text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    if (QTableWidgetItem* existing = item(row, column))
        existing->setText(text);
    else
        setItem(row, column, new QTableWidgetItem(text));
}

QString CListView::cell(int row, int column) const
{
    const QTableWidgetItem* it = item(row, column);
    return it ? it->text() : QString();
}

QStringList CListView::rowTexts(int row) const
{
    QStringList texts;
    for (int c = 0; c < columnCount(); ++c)
        texts << cell(row, c);
    return texts;
}

void CListView::clearRows()
{
    setRowCount(0);
}

void CListView::fitColumnsToContents()
{
    for (int c = 0; c < columnCount(); ++c) {
        const int wanted = sizeHintForColumn(c);
        if (wanted > columnWidth(c))
            setColumnWidth(c, wanted);
    }
}

int CListView::fullWidth() const
{
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < columnCount(); ++c)
        width += columnWidth(c);
    return width;
}
