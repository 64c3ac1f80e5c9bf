#include "CListView.h"

#include "MessageBox.h"
#include "TableText.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QSaveFile>
#include <QScrollBar>

#include <algorithm>

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

    // The shortcut acts while the list has the focus, so each list of a page copies its own rows.
    m_copyAction = new QAction(tr("Copy"), this);
    m_copyAction->setShortcut(QKeySequence::Copy);
    m_copyAction->setShortcutContext(Qt::WidgetShortcut);
    m_copyAction->setShortcutVisibleInContextMenu(true);
    connect(m_copyAction, &QAction::triggered, this, &CListView::copySelection);
    addAction(m_copyAction);
    m_exportAction = new QAction(tr("Export to CSV…"), this);
    connect(m_exportAction, &QAction::triggered, this, &CListView::exportToChosenFile);
    addAction(m_exportAction);
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

QList<QStringList> CListView::textsWithHeaders(const QList<int>& rows) const
{
    QStringList headers;
    for (int c = 0; c < columnCount(); ++c) {
        const QTableWidgetItem* header = horizontalHeaderItem(c);
        headers << (header ? header->text() : QString());
    }
    QList<QStringList> texts{headers};
    for (int row : rows)
        texts << rowTexts(row);
    return texts;
}

void CListView::copySelection() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty())
        return;
    std::sort(rows.begin(), rows.end());
    QGuiApplication::clipboard()->setText(TableText::tabSeparated(textsWithHeaders(rows)));
}

bool CListView::exportCsv(const QString& path, QString* error) const
{
    QList<int> rows;
    for (int r = 0; r < rowCount(); ++r)
        rows << r;
    // Written whole or not at all: an existing file is replaced only once the new one is complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(TableText::csv(textsWithHeaders(rows)).toUtf8()) < 0 ||
        !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void CListView::exportToChosenFile()
{
    QString name = window()->windowTitle();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (name.isEmpty())
        name = QStringLiteral("list");
    QFileDialog dialog(this, tr("Export to CSV"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({tr("CSV files (*.csv)"), tr("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(QDir::home().filePath(name + QStringLiteral(".csv")));
    // The pages are top-most; so must be the dialog that asks on their behalf.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    QString error;
    if (!exportCsv(path, &error))
        MessageBox::info(tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), error));
}

void CListView::keyPressEvent(QKeyEvent* event)
{
    // The view's own Ctrl+C copies only the current cell: the whole rows are copied instead,
    // also when the shortcut did not reach the action.
    if (event == QKeySequence::Copy) {
        copySelection();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CListView::contextMenuEvent(QContextMenuEvent* event)
{
    m_copyAction->setEnabled(selectionModel()->hasSelection());
    QMenu::exec({m_copyAction, m_exportAction}, event->globalPos(), nullptr, this);
    event->accept();
}
