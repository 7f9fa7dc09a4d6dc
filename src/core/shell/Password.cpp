#include "Password.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtGlobal>

#include <algorithm>
#include <array>

namespace Password {
namespace {

// Layout of the text S before it is reversed (positions count from 1).
constexpr int kBitsArea = 800;  // random filler carrying the 80 character bits
constexpr int kLengthPos = 801; // first of the length marks (values 1, 2, 4, 8)
constexpr char kCodePage[] = "windows-1256";
constexpr char kMarker[] = "1011010010111001";
constexpr std::array<int, 16> kMarkerPos = {3,  4,  8,  12, 13, 17, 21, 22,
                                            23, 24, 26, 27, 29, 30, 31, 32};

constexpr int bitPos(int character, int bit)
{
    return 64 * character + 9 * bit + 1;
}

// One byte per character of text: the Arabic code page, characters it cannot
// hold become its substitution byte.
QByteArray toCodePage(const QString &text)
{
    QStringEncoder encoder(kCodePage);
    Q_ASSERT(encoder.isValid());
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        QByteArray one;
        if (encoder.isValid() && !ch.isSurrogate())
            one = encoder.encode(QStringView(&ch, 1));
        else if (ch.unicode() < 0x80)
            one = QByteArray(1, char(ch.unicode()));
        bytes.append(one.size() == 1 ? one.at(0) : char(0x1A));
    }
    return bytes;
}

QString fromCodePage(const QByteArray &bytes)
{
    QStringDecoder decoder(kCodePage);
    Q_ASSERT(decoder.isValid());
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

int defaultBit()
{
    return int(QRandomGenerator::global()->bounded(2));
}

} // namespace

QString Encode(const QString &password, const BitSource &random)
{
    const BitSource bit = random ? random : BitSource(defaultBit);
    const auto randomChar = [&bit] { return bit() ? QLatin1Char('1') : QLatin1Char('0'); };

    const QString text = password.left(kMaxLength);
    const qsizetype length = text.size();
    QByteArray codes = toCodePage(text);
    codes.append(kMaxLength - codes.size(), '0');

    QString s;
    s.reserve(kStoredLength + 2);
    for (int i = 0; i < kBitsArea; ++i)
        s.append(randomChar());

    for (int c = 0; c < kMaxLength; ++c) {
        const uchar code = uchar(codes.at(c));
        for (int b = 0; b < 8; ++b)
            s[bitPos(c, b) - 1] = (code >> b) & 1 ? QLatin1Char('1') : QLatin1Char('0');
    }

    s.append(length & 1 ? QLatin1Char('1') : QLatin1Char('0'));
    s.append(length & 2 ? QLatin1Char('1') : QLatin1Char('0'));
    s.append(length & 4 ? QLatin1Char('1') : QLatin1Char('0'));
    s.append(length & 8 ? QStringLiteral("1 ") : QStringLiteral("0"));

    for (int i = 0; i < 4; ++i)
        s.append(randomChar());

    for (size_t i = 0; i < kMarkerPos.size(); ++i)
        s[kMarkerPos[i] - 1] = QLatin1Char(kMarker[i]);

    s.truncate(kStoredLength);
    std::reverse(s.begin(), s.end());
    return s;
}

QString Decode(const QString &stored, bool *ok)
{
    if (ok)
        *ok = false;
    if (stored.size() != kStoredLength)
        return {};

    QString s = stored;
    std::reverse(s.begin(), s.end());
    const auto at = [&s](int pos) { return s.at(pos - 1); };

    for (size_t i = 0; i < kMarkerPos.size(); ++i) {
        if (at(kMarkerPos[i]) != QLatin1Char(kMarker[i]))
            return {};
    }

    QByteArray codes(kMaxLength, '\0');
    for (int c = 0; c < kMaxLength; ++c) {
        uchar code = 0;
        for (int b = 0; b < 8; ++b) {
            const QChar ch = at(bitPos(c, b));
            if (ch == QLatin1Char('1'))
                code |= uchar(1u << b);
            else if (ch != QLatin1Char('0'))
                return {};
        }
        codes[c] = char(code);
    }

    int length = 0;
    for (int i = 0; i < 4; ++i) {
        const QChar ch = at(kLengthPos + i);
        if (ch == QLatin1Char('1'))
            length |= 1 << i;
        else if (ch != QLatin1Char('0'))
            return {};
    }
    if (length > kMaxLength)
        return {};

    if (ok)
        *ok = true;
    return fromCodePage(codes).left(length);
}

} // namespace Password
