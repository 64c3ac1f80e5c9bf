#pragma once
// The caption/field grid of a form page: one row per field, the caption in the first column
// (made with LabelFor, so it names the field), the field in the second.
//
//     auto* grid = new FieldGrid(this);
//     grid->addRow(QStringLiteral("Host IP:"), m_hostIp);

#include <QGridLayout>

class QLabel;

class FieldGrid : public QGridLayout {
public:
    // `captionParent`: the widget the captions belong to (the page or a group box).
    explicit FieldGrid(QWidget* captionParent);

    QLabel* addRow(const QString& caption, QWidget* field, Qt::Alignment captionAlignment = Qt::AlignLeft);
    // A field without a caption across both columns (a check box that carries its own text).
    void addSpanningRow(QWidget* field);

private:
    QWidget* m_captionParent;
};
