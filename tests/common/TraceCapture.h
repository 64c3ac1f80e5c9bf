#pragma once
// Collects the lines of the trace category "sorvex.trace" while it lives.

#include <QLoggingCategory>
#include <QStringList>

class TraceCapture {
public:
    TraceCapture()
    {
        lines().clear();
        QLoggingCategory::setFilterRules(QStringLiteral("sorvex.trace.debug=true"));
        m_previous = qInstallMessageHandler(&TraceCapture::handler);
    }
    ~TraceCapture()
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    static QStringList& lines()
    {
        static QStringList captured;
        return captured;
    }

private:
    static void handler(QtMsgType, const QMessageLogContext& context, const QString& text)
    {
        if (context.category && QLatin1String(context.category) == QLatin1String("sorvex.trace"))
            lines() << text;
    }
    QtMessageHandler m_previous;
};

