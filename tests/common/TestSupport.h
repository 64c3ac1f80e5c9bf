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
    // Never destroyed: at exit, Qt's own globals (the input device registry the test events
    // use) may already be gone when a static application would delete its children.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Octets written as "80 00 01" in tables.
inline std::string octets(std::initializer_list<int> values)
{
    std::string bytes;
    for (int v : values)
        bytes += static_cast<char>(v);
    return bytes;
}
