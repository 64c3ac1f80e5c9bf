#include "NameText.h"

bool IsValidNameText(const QString& text)
{
    static const QString forbidden = QStringLiteral("~`!@#$%^&*{}[]|\\:;\"'<>,.?/");
    for (QChar c : text) {
        if (forbidden.contains(c))
            return false;
    }
    return true;
}

std::string NameIndex(std::string_view keyBytes)
{
    std::string index = '.' + std::to_string(keyBytes.size());
    for (char c : keyBytes) {
        index += '.';
        index += std::to_string(static_cast<unsigned char>(c));
    }
    return index;
}

std::string NameIndex(const QString& key)
{
    const QByteArray bytes = key.toUtf8();
    return NameIndex(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}
