#pragma once
// Shared by the common tests: readable QString failures and a lazily made application for the
// tests that need widgets.

#include <QApplication>
#include <QString>
#include <QStringList>

#include <ostream>
#include <string>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '[' << texts.join(QStringLiteral("|")).toStdString() << ']';
}

inline QApplication& testApplication()
{
    static int argc = 1;
    static char name[] = "common_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// Octets written as "80 00 01" in tables.
inline std::string octets(std::initializer_list<int> values)
{
    std::string bytes;
    for (int v : values)
        bytes += static_cast<char>(v);
    return bytes;
}
