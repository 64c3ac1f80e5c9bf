#include "CAboutDlg.h"

#include "PanelResources.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(const QString& deviceName, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlg100"));
    setWindowTitle(deviceName + QStringLiteral(" Module"));
    setWindowIcon(PanelResources::ApplicationIcon());

    auto* icon = new QLabel(this);
    icon->setPixmap(PanelResources::ApplicationIcon().pixmap(32, 32));

    auto* name = new QLabel(deviceName + QStringLiteral(" Management Module"), this);
    name->setObjectName(QStringLiteral("1049"));

    auto* facts = new QGridLayout;
    facts->addWidget(new QLabel(QStringLiteral("Firmware Version"), this), 0, 0);
    facts->addWidget(new QLabel(QStringLiteral(": 3.10.0XX"), this), 0, 1);
    facts->addWidget(new QLabel(QStringLiteral("Hardware: B1"), this), 1, 0, 1, 2);
    facts->addWidget(new QLabel(QStringLiteral("Halcyra Module Version"), this), 2, 0);
    facts->addWidget(new QLabel(QStringLiteral(": 3.0.0.6"), this), 2, 1);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addLayout(facts);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
