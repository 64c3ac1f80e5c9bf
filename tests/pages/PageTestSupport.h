#pragma once
// Helpers of the page tests: open a page, wait for its reads, read its list.

#include "GuiFixture.h"

#include "CListView.h"

#include <QDialog>
#include <QDir>

#include <memory>

// Shows the page (its first reads start) and waits until the button is enabled again.
inline bool openAndWait(QDialog& page, int buttonId, int limitMs = 5000)
{
    page.show();
    auto* button = controlOf<QPushButton>(&page, buttonId);
    return button && waitUntil([&] { return button->isEnabled(); }, limitMs);
}

inline std::vector<QStringList> listRows(const QWidget* page, int listId)
{
    std::vector<QStringList> rows;
    auto* list = controlOf<CListView>(page, listId);
    for (int r = 0; list && r < list->rowCount(); ++r)
        rows.push_back(list->rowTexts(r));
    return rows;
}

inline QStringList listHeaders(const QWidget* page, int listId)
{
    QStringList headers;
    auto* list = controlOf<CListView>(page, listId);
    for (int c = 0; list && c < list->columnCount(); ++c)
        headers << list->horizontalHeaderItem(c)->text();
    return headers;
}

inline void PrintTo(const std::vector<QStringList>& rows, std::ostream* out)
{
    for (const QStringList& row : rows)
        *out << "\n  [" << row.join(QStringLiteral("|")).toStdString() << "]";
}

// The bindings of a recorded request, as "OID=TAG:VALUE" texts, for exact comparisons.
inline std::vector<std::string> bindTexts(const snmp::MemoryAgent::Request& request)
{
    std::vector<std::string> texts;
    for (const snmp::VarBind& b : request.binds) {
        std::string value = b.tag == snmp::Ber::Integer ? std::to_string(b.number) : b.bytes;
        texts.push_back(b.oid + "=" + std::to_string(b.tag) + ":" + value);
    }
    return texts;
}

// With SORVEX_SCREENSHOT_DIR set, saves the page as NAME.png there (to look at the layout).
inline void saveScreenshot(QWidget& page, const QString& name)
{
    const QString dir = qEnvironmentVariable("SORVEX_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    page.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}
