#include "DescriptionWriter.h"

#include "PanelLayout.h"

#include <QFile>
#include <QXmlStreamWriter>

namespace {

void Values(QXmlStreamWriter& xml, const QString& id, const QRect& r)
{
    xml.writeTextElement(QStringLiteral("ID"), id);
    xml.writeTextElement(QStringLiteral("LEFT"), QString::number(r.x()));
    xml.writeTextElement(QStringLiteral("TOP"), QString::number(r.y()));
    xml.writeTextElement(QStringLiteral("WIDTH"), QString::number(r.width()));
    xml.writeTextElement(QStringLiteral("HEIGHT"), QString::number(r.height()));
}

QString Picture(const PortPlace& port, const char* look)
{
    return QStringLiteral("panel/%1_%2_%3.bmp")
        .arg(port.fibre ? QStringLiteral("sfp") : QStringLiteral("rj45"),
             port.topRow ? QStringLiteral("top") : QStringLiteral("bottom"), QLatin1String(look));
}

void Port(QXmlStreamWriter& xml, const PortPlace& port)
{
    const QString id = QStringLiteral("PORT%1%2").arg(port.number).arg(port.fibre ? "F" : "");
    xml.writeStartElement(QStringLiteral("PORT"));
    xml.writeAttribute(QStringLiteral("lamps"), QStringLiteral("LAMPS"));
    Values(xml, id, port.rect);
    xml.writeTextElement(QStringLiteral("NAME"),
                         QStringLiteral("Port %1%2").arg(port.number).arg(port.fibre ? " SFP" : ""));
    xml.writeTextElement(QStringLiteral("STATUS"), QStringLiteral("PORTENABLE"));
    xml.writeTextElement(QStringLiteral("BMPLINK100"), Picture(port, "link"));
    xml.writeTextElement(QStringLiteral("BMPLINK10"), Picture(port, "link"));
    xml.writeTextElement(QStringLiteral("BMPDISABLE"), Picture(port, "disable"));
    xml.writeTextElement(QStringLiteral("BMPENABLE"), Picture(port, "enable"));
    xml.writeTextElement(QStringLiteral("BMPEMPTY"), Picture(port, "empty"));
    xml.writeStartElement(QStringLiteral("LAMPS"));
    xml.writeStartElement(QStringLiteral("LAMP"));
    Values(xml, QStringLiteral("LAMP%1%2").arg(port.number).arg(port.fibre ? "F" : ""), port.lamp);
    xml.writeTextElement(QStringLiteral("TYPE"), QStringLiteral("LINK"));
    xml.writeTextElement(QStringLiteral("STATUS"), QStringLiteral("LAMPOFF"));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

void Indicator(QXmlStreamWriter& xml, const char* tag, const QString& id, const QString& name, const QRect& r)
{
    xml.writeStartElement(QLatin1String(tag));
    Values(xml, id, r);
    xml.writeTextElement(QStringLiteral("NAME"), name);
    xml.writeEndElement();
}

} // namespace

bool WriteDescription(const PanelLayout& layout, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeComment(QStringLiteral(" Front panel of the %1, written by tools/panelart: change the generator, "
                                    "not this file. Each attribute names, relative to its element, the "
                                    "container whose children nest in it. ")
                         .arg(layout.deviceName));
    xml.writeStartElement(QStringLiteral("FRONTPANEL"));

    xml.writeStartElement(QStringLiteral("DEVICEPANEL"));
    xml.writeAttribute(QStringLiteral("ports"), QStringLiteral("../PORTS"));
    xml.writeAttribute(QStringLiteral("fibre"), QStringLiteral("../FIBREPORTS"));
    xml.writeAttribute(QStringLiteral("indicators"), QStringLiteral("../INDICATORS"));
    Values(xml, layout.deviceName, QRect(120, 120, layout.width, layout.height));
    xml.writeTextElement(QStringLiteral("NAME"), layout.deviceName);
    xml.writeTextElement(QStringLiteral("BMP"), layout.backgroundFile);
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("PORTS"));
    for (const PortPlace& port : layout.ports) {
        if (!port.fibre)
            Port(xml, port);
    }
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("FIBREPORTS"));
    for (const PortPlace& port : layout.ports) {
        if (port.fibre)
            Port(xml, port);
    }
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("INDICATORS"));
    Indicator(xml, "CONSOLE", QStringLiteral("CONSOLE"), QStringLiteral("Console"), layout.console);
    Indicator(xml, "POWER", QStringLiteral("POWER"), QStringLiteral("Power"), layout.power);
    Indicator(xml, "FAN", QStringLiteral("FAN"), QStringLiteral("Fan"), layout.fan);
    xml.writeEndElement();

    xml.writeEndElement();
    xml.writeEndDocument();
    return file.flush() && file.error() == QFileDevice::NoError;
}
