#include "Utf8Text.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringDecoder>

QString TextFromUtf8(std::string_view bytes)
{
    const auto end = bytes.find('\0');
    if (end != std::string_view::npos)
        bytes = bytes.substr(0, end);
    // A leading BOM is a character of the name, not a marker to drop: keep it so the bytes
    // written back are the bytes read. Stateless: a cut-off last sequence shows as U+FFFD.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

std::string TextToUtf8(const QString& text, std::size_t bufferBytes)
{
    const QByteArray utf8 = text.toUtf8();
    std::string_view bytes(utf8.constData(), std::size_t(utf8.size()));
    const std::size_t limit = bufferBytes > 0 ? bufferBytes - 1 : 0;
    if (bytes.size() > limit) {
        std::size_t cut = limit;
        // Continuation bytes (10xxxxxx) belong to the character that starts before them.
        while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
            --cut;
        bytes = bytes.substr(0, cut);
    }
    return std::string(bytes);
}
