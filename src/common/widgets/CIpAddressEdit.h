#pragma once
// The four-field IPv4 address control: four boxes of up to three digits (0-255) separated by
// dots. Typing a third digit or a '.' moves on to the next box; Backspace in an empty box goes
// back. Text set without typing is held to the same bounds. It knows how many fields are
// filled; text() reads blank fields as 0 and is empty only when every field is blank.

#include <QFrame>

#include <array>

class QLineEdit;

class CIpAddressEdit : public QFrame {
    Q_OBJECT
public:
    explicit CIpAddressEdit(QWidget* parent = nullptr);
    ~CIpAddressEdit() override;

    QString text() const;
    // Fills the fields from a dotted quad of numbers 0-255; any other text clears them.
    void setText(const QString& dotted);
    void clear();
    int filledFieldCount() const;
    bool isBlank() const { return filledFieldCount() == 0; }

    QLineEdit* field(int i) const { return m_fields[std::size_t(i)]; }
    // Names the control and each of its fields ("Host IP: 1 of 4" ...).
    void setAccessibleLabel(const QString& label);

signals:
    // Typed by the operator.
    void textEdited();
    // Changed in any way (typing, a paste, an accessibility tool, setText).
    void textChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onFieldEdited(int i);
    void boundField(int i);
    void clampField(int i);
    void focusField(int i, bool selectAll);

    std::array<QLineEdit*, 4> m_fields{};
};
