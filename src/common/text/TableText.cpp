#include "TableText.h"

namespace TableText {

namespace {

QString tsvCell(QString text)
{
    for (QChar& c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return text;
}

QString csvField(const QString& text)
{
    static const QString needsQuotes = QStringLiteral(",\"\r\n");
    bool quote = false;
    for (QChar c : text)
        quote = quote || needsQuotes.contains(c);
    if (!quote)
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

} // namespace

QString tabSeparated(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells << tsvCell(cell);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QString csv(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& cell : row)
            fields << csvField(cell);
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text;
}

} // namespace TableText
