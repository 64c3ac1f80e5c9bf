#pragma once
// The "From Port" / "To Port" pair of drop-down lists, each listing ports 1 ... N. Choosing a
// From port moves To to the same entry; choosing a To port below From shows the page's message
// and, after OK, moves To back to the From entry. The range applied is From ... To inclusive.
// Only the operator's choices (QComboBox::activated) trigger the rules.

#include <QObject>
#include <QString>

class QComboBox;

class PortRangePair : public QObject {
    Q_OBJECT
public:
    // Fills both lists; the message text differs between pages.
    PortRangePair(QComboBox* from, QComboBox* to, int portCount, const QString& toBelowFromMessage);

    int fromPort() const;
    int toPort() const;

private:
    void onFromChosen();
    void onToChosen();

    QComboBox* m_from;
    QComboBox* m_to;
    QString m_message;
};
