#pragma once
// Rows of cell texts in the forms other programs read: tab-separated text for the clipboard
// (spreadsheets and editors paste it as a table) and CSV files.

#include <QList>
#include <QString>
#include <QStringList>

namespace TableText {

// One line per row, cells separated by tabs, each line ending in "\n". A tab or line break
// inside a cell becomes a blank, so every row stays one line with its columns in place.
QString tabSeparated(const QList<QStringList>& rows);

// RFC 4180: a field holding a comma, a double quote, CR or LF is enclosed in double quotes and
// its quotes are doubled; every record ends in CRLF. Write it out as UTF-8.
QString csv(const QList<QStringList>& rows);

} // namespace TableText
