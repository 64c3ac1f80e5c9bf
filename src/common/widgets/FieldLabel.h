#pragma once
// The caption of a control. An input control is named by it: the caption is its buddy (so
// Alt+letter reaches it) and the control's accessible name is the caption's text without the
// mnemonic '&', so screen readers and GUI test tools name what the operator sees. A label that
// shows a value keeps the value as its accessible name (screen readers read the value out) and
// has the caption as its label relation.

#include <QLabel>

QLabel* LabelFor(QWidget* field, const QString& text, QWidget* parent = nullptr);
