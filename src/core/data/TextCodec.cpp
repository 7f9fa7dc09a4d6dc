#include "TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextCodec {

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    QStringDecoder cp1256("windows-1256");
    if (!cp1256.isValid())
        return QString::fromLatin1(bytes);
    return cp1256.decode(bytes);
}

std::optional<QByteArray> encodeCp1256(const QString &text)
{
    QStringEncoder cp1256("windows-1256", QStringEncoder::Flag::Stateless);
    if (!cp1256.isValid())
        return std::nullopt;
    const QByteArray bytes = cp1256.encode(text);
    // A character outside the code page may come out as a substitute
    // without an error flag: only a text that reads back the same counts.
    QStringDecoder back("windows-1256");
    if (cp1256.hasError() || !back.isValid() || back.decode(bytes) != text)
        return std::nullopt;
    return bytes;
}

} // namespace TextCodec
