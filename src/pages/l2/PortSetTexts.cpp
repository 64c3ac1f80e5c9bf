#include "PortSetTexts.h"

namespace {

// Text of a value 1 ... texts.size(), the fallback for anything else.
QString byNumber(std::string_view value, const QStringList& texts, const QString& fallback)
{
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (value == std::to_string(i + 1))
            return texts[i];
    }
    return fallback;
}

const QStringList& operModeTexts()
{
    static const QStringList texts = {QStringLiteral("Down"),     QStringLiteral("1000MFull"), QStringLiteral("100MFull"),
                                      QStringLiteral("100MHalf"), QStringLiteral("10MFull"),   QStringLiteral("10MHalf")};
    return texts;
}

QString copperOperModeText(std::string_view value)
{
    static const QStringList texts = {QStringLiteral("Down"),        QStringLiteral("1000M C Full"),
                                      QStringLiteral("100M C Full"), QStringLiteral("100M C Half"),
                                      QStringLiteral("10M C Full"),  QStringLiteral("10M C Half")};
    return byNumber(value, texts, QStringLiteral("1000M C Full"));
}

} // namespace

const QStringList& SpeedSettingTexts()
{
    static const QStringList texts = {QStringLiteral("1000MFull"), QStringLiteral("100MFull"),
                                      QStringLiteral("100MHalf"),  QStringLiteral("10MFull"),
                                      QStringLiteral("10MHalf"),   QStringLiteral("Auto"),
                                      QStringLiteral("Disable")};
    return texts;
}

const QStringList& SpeedChoiceTexts()
{
    static const QStringList texts = {QStringLiteral("1000M-Full"), QStringLiteral("100M-Full"),
                                      QStringLiteral("100M-Half"),  QStringLiteral("10M-Full"),
                                      QStringLiteral("10M-Half"),   QStringLiteral("Auto"),
                                      QStringLiteral("Disable")};
    return texts;
}

QString SpeedSettingText(std::string_view value)
{
    return byNumber(value, SpeedSettingTexts(), QStringLiteral("1000MFull"));
}

QString OperModeText(std::string_view value)
{
    return byNumber(value, operModeTexts(), QStringLiteral("1000MFull"));
}

QString ComboOperModeText(std::string_view value, std::string_view media)
{
    const QString copper = copperOperModeText(value);
    if (media == "2")
        return copper;
    if (media == "3") {
        if (copper == QLatin1String("100M C Half"))
            return QStringLiteral("100M F Half");
        if (copper == QLatin1String("100M C Full"))
            return QStringLiteral("100M F Full");
    }
    if (media == "4" && copper == QLatin1String("1000M C Full"))
        return QStringLiteral("1000M F Full");
    return OperModeText(value);
}

QString FlowControlText(std::string_view value)
{
    return value == "1" ? QStringLiteral("Enable") : QStringLiteral("Disable");
}

QString DefaultPriorityText(std::string_view value)
{
    static const QStringList texts = {QStringLiteral("Low"), QStringLiteral("Middle"), QStringLiteral("High"),
                                      QStringLiteral("Highest")};
    return byNumber(value, texts, QStringLiteral("Low"));
}

QString OperFlowControlText(std::string_view value)
{
    if (value == "1")
        return QStringLiteral("Enabled");
    if (value == "2")
        return QStringLiteral("Disabled");
    return QString::fromUtf8(value.data(), qsizetype(value.size()));
}
