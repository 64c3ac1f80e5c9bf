#include "FieldGrid.h"

#include "FieldLabel.h"

FieldGrid::FieldGrid(QWidget* captionParent) : m_captionParent(captionParent) {}

QLabel* FieldGrid::addRow(const QString& caption, QWidget* field, Qt::Alignment captionAlignment)
{
    const int row = rowCount() == 1 && !itemAtPosition(0, 0) ? 0 : rowCount();
    QLabel* label = LabelFor(field, caption, m_captionParent);
    addWidget(label, row, 0, captionAlignment);
    addWidget(field, row, 1);
    return label;
}

void FieldGrid::addSpanningRow(QWidget* field)
{
    const int row = rowCount() == 1 && !itemAtPosition(0, 0) ? 0 : rowCount();
    addWidget(field, row, 0, 1, 2);
}
