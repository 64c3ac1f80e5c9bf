#include "CIpAddressEdit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

CIpAddressEdit::CIpAddressEdit(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(0);
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("0000"));
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setBackgroundRole(QPalette::Base);
            layout->addWidget(dot);
        }
        auto* f = new QLineEdit(this);
        f->setFrame(false);
        f->setValidator(digits);
        f->setAlignment(Qt::AlignCenter);
        f->setFixedWidth(width);
        f->installEventFilter(this);
        connect(f, &QLineEdit::textEdited, this, [this, i] { onFieldEdited(i); });
        // Text can also arrive without keystrokes (an accessibility tool, a program): it is held
        // to the same bounds and reported as a change.
        connect(f, &QLineEdit::textChanged, this, [this, i] {
            boundField(i);
            emit textChanged();
        });
        connect(f, &QLineEdit::editingFinished, this, [this, i] { clampField(i); });
        layout->addWidget(f);
        m_fields[std::size_t(i)] = f;
    }
    layout->addStretch();
    setFocusProxy(m_fields[0]);
}

// The fields outlive this part of the object (QWidget deletes its children later) and report
// their loss of focus while they go: nothing of theirs may reach it any more.
CIpAddressEdit::~CIpAddressEdit()
{
    for (QLineEdit* f : m_fields) {
        f->removeEventFilter(this);
        f->disconnect(this);
    }
}

QString CIpAddressEdit::text() const
{
    if (isBlank())
        return QString();
    QStringList parts;
    for (QLineEdit* f : m_fields)
        parts << QString::number(f->text().toInt());
    return parts.join(QLatin1Char('.'));
}

void CIpAddressEdit::setText(const QString& dotted)
{
    const QStringList parts = dotted.split(QLatin1Char('.'));
    bool valid = parts.size() == 4;
    for (const QString& part : parts) {
        bool ok = false;
        const int value = part.toInt(&ok);
        valid = valid && ok && value >= 0 && value <= 255 && part.size() <= 3;
    }
    for (int i = 0; i < 4; ++i)
        m_fields[std::size_t(i)]->setText(valid ? QString::number(parts[i].toInt()) : QString());
}

void CIpAddressEdit::clear()
{
    for (QLineEdit* f : m_fields)
        f->clear();
}

int CIpAddressEdit::filledFieldCount() const
{
    int filled = 0;
    for (QLineEdit* f : m_fields)
        filled += f->text().isEmpty() ? 0 : 1;
    return filled;
}

void CIpAddressEdit::setAccessibleLabel(const QString& label)
{
    setAccessibleName(label);
    for (int i = 0; i < 4; ++i)
        m_fields[std::size_t(i)]->setAccessibleName(QStringLiteral("%1 %2 of 4").arg(label).arg(i + 1));
}

void CIpAddressEdit::onFieldEdited(int i)
{
    if (m_fields[std::size_t(i)]->text().size() == 3) {
        clampField(i);
        if (i < 3)
            focusField(i + 1, true);
    }
    emit textEdited();
}

// Digits only, at most three: what typing allows.
void CIpAddressEdit::boundField(int i)
{
    QLineEdit* f = m_fields[std::size_t(i)];
    QString digits;
    for (QChar c : f->text()) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && digits.size() < 3)
            digits += c;
    }
    if (digits != f->text())
        f->setText(digits);
    else
        clampField(i);
}

// A number above 255 becomes 255, as the operator could not have meant more.
void CIpAddressEdit::clampField(int i)
{
    QLineEdit* f = m_fields[std::size_t(i)];
    if (!f->text().isEmpty() && f->text().toInt() > 255)
        f->setText(QStringLiteral("255"));
}

void CIpAddressEdit::focusField(int i, bool selectAll)
{
    QLineEdit* f = m_fields[std::size_t(i)];
    f->setFocus(Qt::TabFocusReason);
    if (selectAll)
        f->selectAll();
    else
        f->setCursorPosition(int(f->text().size()));
}

bool CIpAddressEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    int i = 0;
    while (i < 4 && m_fields[std::size_t(i)] != watched)
        ++i;
    if (i == 4)
        return QFrame::eventFilter(watched, event);
    QLineEdit* f = m_fields[std::size_t(i)];
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->text() == QLatin1String(".") || key->key() == Qt::Key_Space) && i < 3) {
        if (!f->text().isEmpty())
            focusField(i + 1, true);
        return true;
    }
    if (key->key() == Qt::Key_Backspace && f->text().isEmpty() && i > 0) {
        focusField(i - 1, false);
        return true;
    }
    if (key->key() == Qt::Key_Right && f->cursorPosition() == f->text().size() && i < 3) {
        focusField(i + 1, false);
        m_fields[std::size_t(i + 1)]->setCursorPosition(0);
        return true;
    }
    if (key->key() == Qt::Key_Left && f->cursorPosition() == 0 && i > 0) {
        focusField(i - 1, false);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}
