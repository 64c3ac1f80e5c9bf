#pragma once
// The label of an input control. The control is named by it: the label is its buddy (so
// Alt+letter reaches it) and the control's accessible name is the label's text without the
// mnemonic '&', so screen readers and GUI test tools name what the operator sees.

#include <QLabel>

QLabel* LabelFor(QWidget* field, const QString& text, QWidget* parent = nullptr);
