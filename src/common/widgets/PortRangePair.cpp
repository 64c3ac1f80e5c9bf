#include "PortRangePair.h"

#include "MessageBox.h"
#include "NumberText.h"

#include <QComboBox>

namespace {

int portOf(const QComboBox* list)
{
    return int(LeadingInteger(list->currentText()).value_or(0));
}

} // namespace

PortRangePair::PortRangePair(QComboBox* from, QComboBox* to, int portCount, const QString& toBelowFromMessage)
    : QObject(from), m_from(from), m_to(to), m_message(toBelowFromMessage)
{
    for (QComboBox* list : {from, to}) {
        list->clear();
        for (int p = 1; p <= portCount; ++p)
            list->addItem(QString::number(p));
    }
    connect(from, &QComboBox::activated, this, &PortRangePair::onFromChosen);
    connect(to, &QComboBox::activated, this, &PortRangePair::onToChosen);
}

int PortRangePair::fromPort() const
{
    return portOf(m_from);
}

int PortRangePair::toPort() const
{
    return portOf(m_to);
}

void PortRangePair::onFromChosen()
{
    m_to->setCurrentIndex(m_from->currentIndex());
}

void PortRangePair::onToChosen()
{
    if (toPort() < fromPort()) {
        MessageBox::info(m_message);
        m_to->setCurrentIndex(m_from->currentIndex());
    }
}
