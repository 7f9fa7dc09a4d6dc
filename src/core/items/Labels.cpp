#include "Labels.h"

#include "data/TextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSaveFile>

#include <cmath>

namespace Labels {

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("Labels", text);
}

QString number(double v)
{
    return QLocale::c().toString(v, 'g', 10);
}
} // namespace

QStringList symbologyNames()
{
    return {QStringLiteral("Code_2_5_interleaved"),
            QStringLiteral("Code_2_5_industrial"),
            QStringLiteral("Code_2_5_matrix"),
            QStringLiteral("Code39"),
            QStringLiteral("Code39Extended"),
            QStringLiteral("Code128A"),
            QStringLiteral("Code128B"),
            QStringLiteral("Code128C"),
            QStringLiteral("Code93"),
            QStringLiteral("Code93Extended"),
            QStringLiteral("CodeMSI"),
            QStringLiteral("CodePostNet"),
            QStringLiteral("CodeCodabar"),
            QStringLiteral("CodeEAN8"),
            QStringLiteral("CodeEAN13"),
            QStringLiteral("CodeUPC_A"),
            QStringLiteral("CodeUPC_E0"),
            QStringLiteral("CodeUPC_E1"),
            QStringLiteral("CodeUPC_Supp2"),
            QStringLiteral("CodeUPC_Supp5"),
            QStringLiteral("CodeEAN128A"),
            QStringLiteral("CodeEAN128B"),
            QStringLiteral("CodeEAN128C")};
}

QString weightDigits(double weight)
{
    if (!std::isfinite(weight) || weight < 0 || weight >= 100)
        return {};
    QString digits = QLocale::c().toString(weight, 'f', 3);
    digits.remove(QLatin1Char('.')).remove(QLatin1Char(','));
    if (digits.size() > 5)
        return {};
    return digits.rightJustified(5, QLatin1Char('0'));
}

Encoded encodedData(const QString &code, bool weightOn, const QString &weightText)
{
    Encoded e;
    e.data = code;
    if (!weightOn)
        return e;
    bool ok = false;
    // The weight may be typed with either decimal separator.
    QString text = weightText.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const double weight = QLocale::c().toDouble(text, &ok);
    QString digits = ok ? weightDigits(weight) : QString();
    if (digits.isEmpty()) {
        e.weightOk = false;
        e.message = tr("Weight: 12.345 less than 100");
        e.fixedWeight = weightText.left(2) + QStringLiteral(".000");
        const double fixed = QLocale::c().toDouble(e.fixedWeight, &ok);
        digits = ok ? weightDigits(fixed) : QString();
        if (digits.isEmpty()) {
            e.fixedWeight = QStringLiteral("0.000");
            digits = QStringLiteral("00000");
        }
    }
    e.data += digits;
    return e;
}

int barHeight(double topMargin, double bottomMargin, int rows)
{
    rows = std::max(rows, 1);
    const int usable = int(std::floor((297 - topMargin - bottomMargin) * 464));
    return std::max(usable, 0) / (rows * 277);
}

QString lowerText(const QString &description, const QString &priceText, bool rateInBar,
                  bool desInBar)
{
    if (!rateInBar && !desInBar)
        return description;
    QString text;
    if (rateInBar)
        text += priceText;
    if (desInBar)
        text += QStringLiteral("   ") + description;
    return text;
}

// -- the settings file --------------------------------------------------------

QStringList Settings::lines() const
{
    return {number(topMargin),
            number(rightMargin),
            number(bottomMargin),
            number(leftMargin),
            number(columnSpace),
            upperText,
            QString::number(columns),
            QString::number(rows),
            QString::number(symbology),
            QString::number(barColor),
            QString::number(zoom),
            QString::number(ratio),
            QString::number(language),
            stretch ? QStringLiteral("1") : QStringLiteral("0"),
            upperOn ? QStringLiteral("1") : QStringLiteral("0"),
            number(pageWidth),
            number(pageHeight),
            number(whiteOnRight)};
}

bool Settings::fromLines(const QStringList &l)
{
    if (l.size() < 17)
        return false;
    bool ok = true;
    auto real = [&](int i) {
        bool good = false;
        const double v = QLocale::c().toDouble(l[i].trimmed(), &good);
        ok = ok && good;
        return v;
    };
    auto whole = [&](int i) {
        bool good = false;
        const qlonglong v = l[i].trimmed().toLongLong(&good);
        ok = ok && good;
        return v;
    };
    Settings s;
    s.topMargin = real(0);
    s.rightMargin = real(1);
    s.bottomMargin = real(2);
    s.leftMargin = real(3);
    s.columnSpace = real(4);
    s.upperText = l[5];
    s.columns = int(std::clamp<qlonglong>(whole(6), 1, 4));
    s.rows = int(std::clamp<qlonglong>(whole(7), 1, 20));
    s.symbology = int(std::clamp<qlonglong>(whole(8), 0, SymbologyCount - 1));
    s.barColor = unsigned(whole(9)) & 0xFFFFFFu;
    s.zoom = int(std::clamp<qlonglong>(whole(10), 1, 10));
    s.ratio = int(std::clamp<qlonglong>(whole(11), 0, 10));
    s.language = whole(12) == 0 ? 0 : 1;
    s.stretch = whole(13) != 0;
    s.upperOn = whole(14) != 0;
    s.pageWidth = real(15);
    s.pageHeight = real(16);
    if (l.size() > 17 && !l[17].trimmed().isEmpty())
        s.whiteOnRight = real(17);
    if (!ok)
        return false;
    *this = s;
    return true;
}

QString Settings::fileName(const QString &appDir)
{
    return QDir(appDir).filePath(QStringLiteral("options.txt"));
}

bool Settings::open(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.exists())
        return save(path, error);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("Cannot read the label settings %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    // Files of older installations are in the Arabic Windows code page.
    QStringList l = TextCodec::decode(bytes).split(QLatin1Char('\n'));
    for (QString &line : l)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (!fromLines(l)) {
        if (error)
            *error = tr("The label settings %1 are not readable; the settings shown are kept.")
                         .arg(path);
        return false;
    }
    return true;
}

bool Settings::save(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write((lines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
        if (file.commit())
            return true;
    }
    if (error)
        *error = tr("Cannot write the label settings %1: %2").arg(path, file.errorString());
    return false;
}

} // namespace Labels
