#include "TypingLimit.h"

#include <QLineEdit>

#include <algorithm>

TypingLimit* TypingLimit::apply(QLineEdit* edit, int maxChars)
{
    auto* limit = new TypingLimit(edit, maxChars);
    edit->setValidator(limit);
    return limit;
}

TypingLimit::TypingLimit(QLineEdit* edit, int maxChars)
    : QValidator(edit), m_edit(edit), m_maxChars(maxChars), m_shownText(edit->text())
{
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_shownText = text; });
}

QValidator::State TypingLimit::validate(QString& input, int& pos) const
{
    // setText() validates too, but starts a new undo history: an unmodified box is the program's.
    if (!m_edit->isModified())
        return Acceptable;
    const qsizetype allowed = std::max<qsizetype>(m_maxChars, m_shownText.size());
    if (input.size() > allowed) {
        const qsizetype excess = input.size() - allowed;
        const qsizetype start = std::clamp<qsizetype>(pos - excess, 0, allowed);
        input.remove(start, excess);
        pos = int(start);
    }
    return Acceptable;
}
