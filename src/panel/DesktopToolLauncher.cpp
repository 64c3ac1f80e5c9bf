#include "DesktopToolLauncher.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr int kHandlerQueryMs = 2000;

} // namespace

QString DesktopToolLauncher::Terminal()
{
    for (const char* name : {"x-terminal-emulator", "xterm"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

QString DesktopToolLauncher::HttpOpener()
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    const QString mime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (opener.isEmpty() || mime.isEmpty())
        return QString();
    QProcess query;
    query.start(mime, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/http")});
    if (!query.waitForFinished(kHandlerQueryMs)) {
        query.kill();
        query.waitForFinished(kHandlerQueryMs);
        return QString();
    }
    const bool hasHandler = query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
    return hasHandler ? opener : QString();
}

bool DesktopToolLauncher::Start(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}
