#include "MacText.h"

#include "HexDigit.h"
#include "MessageBox.h"

#include <QStringList>

#include <algorithm>

namespace {

bool showFormatMessage()
{
    MessageBox::info(QStringLiteral("Please enter correct MAC format(ex:00-00-00-00-00-01)"));
    return false;
}

bool isHexText(const QString& text)
{
    for (QChar c : text) {
        if (HexDigitValue(c.unicode()) < 0)
            return false;
    }
    return true;
}

} // namespace

bool ValidateMacText(const QString& macText, bool multicastAllowed)
{
    if (macText.size() != 17)
        return showFormatMessage();
    for (int dash = 2; dash < 17; dash += 3) {
        if (macText[dash] != u'-')
            return showFormatMessage();
    }
    QString digits = macText;
    digits.remove(u'-');
    if (digits == u"000000000000")
        return showFormatMessage();
    // A dash in a digit position would leave fewer than twelve digits: not an address.
    if (digits.size() != 12 || !isHexText(digits))
        return showFormatMessage();
    if (digits.compare(u"ffffffffffff", Qt::CaseInsensitive) == 0) {
        MessageBox::info(QStringLiteral("Broadcast MAC is not allowed."));
        return false;
    }
    if (!multicastAllowed && (HexDigitValue(digits[1].unicode()) & 1)) {
        MessageBox::info(QStringLiteral("Multicast MAC is not allowed."));
        return false;
    }
    return true;
}

std::string MacTextToIndex(const QString& macText)
{
    std::string index;
    for (unsigned char octet : MacTextToOctets(macText)) {
        index += '.';
        index += std::to_string(octet);
    }
    return index;
}

QString MacOctetsText(std::string_view octets)
{
    QStringList parts;
    for (char c : octets)
        parts << QStringLiteral("%1").arg(uint(static_cast<unsigned char>(c)), 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(QLatin1Char('-'));
}

std::string MacTextToOctets(const QString& macText)
{
    QString digits = macText;
    digits.remove(u'-');
    std::string octets;
    for (qsizetype i = 0; i + 1 < digits.size(); i += 2) {
        const int high = HexDigitValue(digits[i].unicode());
        const int low = HexDigitValue(digits[i + 1].unicode());
        octets += char(std::max(high, 0) * 16 + std::max(low, 0));
    }
    return octets;
}
