#pragma once
// An edit box's character limit that applies to typing and pasting only. Text the program sets
// (values read from the switch) is shown whole, however long; the operator can shorten it but
// not make it longer than the limit or than it already is. QLineEdit::setMaxLength would cut
// the program's text as well.

#include <QString>
#include <QValidator>

class QLineEdit;

class TypingLimit : public QValidator {
    Q_OBJECT
public:
    // Installs the limit as the edit box's validator; it lives as long as the edit box.
    static TypingLimit* apply(QLineEdit* edit, int maxChars);

    int maxChars() const { return m_maxChars; }
    // Cuts what was just typed or pasted (the characters before the caret) to what fits.
    State validate(QString& input, int& pos) const override;

private:
    TypingLimit(QLineEdit* edit, int maxChars);

    const QLineEdit* m_edit;
    int m_maxChars;
    QString m_shownText; // the edit box's text before the edit being validated
};
