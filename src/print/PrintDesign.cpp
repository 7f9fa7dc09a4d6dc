#include "PrintDesign.h"

#include "PrintUnits.h"
#include "Report.h"
#include "shell/Options.h"

namespace {

struct Value
{
    const char *name;
    const char *initial;
};

const QString kOn = QStringLiteral("True");
const QString kOff = QStringLiteral("False");

// Every value of the design with the text it has before any option is
// loaded. Texts in the program's Arabic are filled in initial().
const Value kValues[] = {
    // header elements
    {"InvNoChk.Checked", "True"},
    {"InvNoLeftEd.text", "77"},
    {"InvNoTopEd.text", "167"},
    {"CNameChk.Checked", "True"},
    {"CNameLeftEd.text", "220"},
    {"CNameTopEd.text", "170"},
    {"CNameWEd.text", "100"},
    {"DateChk.Checked", "True"},
    {"DateLeftEd.text", "524"},
    {"DateTopEd.text", "167"},
    {"TelChk.Checked", "True"},
    {"TelLeftEd.text", "524"},
    {"TelTopEd.text", "167"},
    {"Extra1LeftEd.text", "524"},
    {"Extra1TopEd.text", "167"},
    {"Extra2Chk.Checked", "True"},
    {"Extra2LeftEd.text", "524"},
    {"Extra2TopEd.text", "167"},
    {"Extra2TextEd.text", "Tel:"},
    {"Extra3Chk.Checked", "True"},
    {"Extra3LeftEd.text", "524"},
    {"Extra3TopEd.text", "167"},
    {"AddressChk.Checked", "True"},
    {"AddressLeftEd.text", "524"},
    {"AddressTopEd.text", "167"},
    {"PageNoChk.Checked", "True"},
    {"PageNoLeftEd.text", "524"},
    {"PageNoTopEd.text", "167"},
    {"UserChk.Checked", "True"},
    {"UserLeftEd.text", "105"},
    {"UserTopEd.text", "187"},
    // line columns: left / width
    {"NoLeftEd.text", "9"},
    {"NoLeftEd1.text", "9"},
    {"CodeLeftEd.text", "37"},
    {"CodeLeftEd1.text", "37"},
    {"DesLeftEd.text", "150"},
    {"DesLeftEd1.text", "150"},
    {"SizeLeftEd.text", "373"},
    {"SizeLeftEd1.text", "373"},
    {"QtyLeftEd.text", "401"},
    {"QtyLeftEd1.text", "401"},
    {"RateLeftEd.text", "450"},
    {"RateLeftEd1.text", "450"},
    {"AmountLeftEd.text", "520"},
    {"AmountLeftEd1.text", "520"},
    {"NoteLeftEd.text", "598"},
    {"NoteLeftEd1.text", "598"},
    // page, footer and switches
    {"HPage.Value", "290"},
    {"FLaineTopEd.text", "190"},
    {"TMarginEd.text", "5.00"},
    {"LMarginEd.text", "5.00"},
    {"PrintHeaderChk.checked", "True"},
    {"ArabicCompNameLeft.Value", "0"},
    {"EngCompNameLeft.Value", "0"},
    {"EngCompNameTop.Value", "0"},
    {"TitleChk.Checked", "True"},
    {"ShadowTAmount.Checked", "False"},
    {"TAmountTopEd.text", "0"},
    {"TAmAutoChk.Checked", "True"},
    {"TAmEnChk.Checked", "True"},
    {"TAmArChk.Checked", "True"},
    {"TAmLeftEd.text", "167"},
    {"TAmTopEd.text", "524"},
    {"TAmWidthEd.text", "167"},
    {"TAmHEd.text", "167"},
    {"TAmLeftEd1.text", "167"},
    {"TAmTopEd1.text", "524"},
    {"TAmWidthEd1.text", "167"},
    {"TAmHEd1.text", "167"},
    {"OnlyFirstChk.Checked", "False"},
    {"PrintInvKindChk.Checked", "True"},
    {"ConPrintingChk.checked", "False"},
    {"CloseCharEd.text", ""},
    {"RRChk.checked", "True"},
    // texts
    {"ed1.text", "Tel: "},
    {"ed2.text", "Fax: "},
    {"ed3.text", "P.O.Box"},
    {"ed4.text", ""},
    {"ed7.text", "E-Mail:"},
    {"edA1.text", "هاتف "},
    {"edA2.text", "فاكس "},
    {"edA3.text", "ص.ب "},
    {"edA4.text", "العنوان"},
    {"edA7.text", "موقع الانترنت"},
    {"ed5.text", ""},
    {"ed51.text", ""},
    {"ed31.text", ""},
    {"ed32.text", "توقيع المستلم"},
    {"ed33.text", "Name/Sign"},
    {"ed34.text", ""},
    {"ed35.text", ""},
    {"ed36.text", ""},
    {"ed37.text", "توقيع البائع"},
};

const char *const kFontControls[] = {"ed1", "ed7",  "edA1", "edA7",
                                     "ed5", "ed51", "ed31", "InvDetailsLb"};

struct Preset
{
    const char *name;
    const char *value;
};

// "-" in a preset leaves the value alone: such values are simply absent.
const Preset kStandard[] = {
    {"InvNoChk.Checked", "True"},
    {"InvNoLeftEd.text", "23"},
    {"InvNoTopEd.text", "49"},
    {"CNameChk.Checked", "True"},
    {"CNameLeftEd.text", "64"},
    {"CNameTopEd.text", "49"},
    {"CNameWEd.text", "100"},
    {"DateChk.Checked", "True"},
    {"DateLeftEd.text", "154"},
    {"DateTopEd.text", "49"},
    {"TelChk.Checked", "False"},
    {"TelLeftEd.text", "23"},
    {"TelTopEd.text", "40"},
    {"Extra1LeftEd.text", "524"},
    {"Extra1TopEd.text", "167"},
    {"Extra2Chk.Checked", "False"},
    {"Extra2LeftEd.text", "0"},
    {"Extra2TopEd.text", "0"},
    {"Extra2TextEd.text", ""},
    {"Extra3Chk.Checked", "False"},
    {"Extra3LeftEd.text", "0"},
    {"Extra3TopEd.text", "0"},
    {"AddressChk.Checked", "False"},
    {"AddressLeftEd.text", "0"},
    {"AddressTopEd.text", "0"},
    {"PageNoChk.Checked", "True"},
    {"PageNoLeftEd.text", "155"},
    {"PageNoTopEd.text", "40"},
    {"UserLeftEd.text", "23"},
    {"UserTopEd.text", "17"},
    {"NoLeftEd.text", "3"},
    {"NoLeftEd1.text", "7"},
    {"CodeLeftEd.text", "11"},
    {"CodeLeftEd1.text", "32"},
    {"DesLeftEd.text", "44"},
    {"DesLeftEd1.text", "45"},
    {"SizeLeftEd.text", "90"},
    {"SizeLeftEd1.text", "25"},
    {"QtyLeftEd.text", "117"},
    {"QtyLeftEd1.text", "15"},
    {"RateLeftEd.text", "135"},
    {"RateLeftEd1.text", "15"},
    {"AmountLeftEd.text", "155"},
    {"AmountLeftEd1.text", "15"},
    {"NoteLeftEd.text", "175"},
    {"NoteLeftEd1.text", "40"},
    {"HPage.Value", "297"},
    {"FLaineTopEd.text", "60"},
    {"TMarginEd.text", "0"},
    {"LMarginEd.text", "0"},
    {"PrintHeaderChk.checked", "True"},
    {"ArabicCompNameLeft.Value", "0"},
    {"EngCompNameLeft.Value", "0"},
    {"EngCompNameTop.Value", "0"},
    {"TitleChk.Checked", "True"},
    {"ShadowTAmount.Checked", "True"},
    {"TAmountTopEd.text", "0"},
    {"TAmAutoChk.Checked", "True"},
    {"TAmEnChk.Checked", "True"},
    {"TAmArChk.Checked", "True"},
    {"OnlyFirstChk.Checked", "False"},
};

const Preset kOstrel[] = {
    {"InvNoChk.Checked", "False"},
    {"InvNoLeftEd.text", "20"},
    {"InvNoTopEd.text", "27"},
    {"CNameChk.Checked", "False"},
    {"CNameLeftEd.text", "155"},
    {"CNameTopEd.text", "33"},
    {"CNameWEd.text", "33"},
    {"DateChk.Checked", "False"},
    {"DateLeftEd.text", "155"},
    {"DateTopEd.text", "27"},
    {"TelChk.Checked", "False"},
    {"TelLeftEd.text", "-50"},
    {"TelTopEd.text", "0"},
    {"Extra1LeftEd.text", "173"},
    {"Extra1TopEd.text", "207"},
    {"Extra2Chk.Checked", "True"},
    {"Extra2LeftEd.text", "95"},
    {"Extra2TopEd.text", "32"},
    {"Extra3Chk.Checked", "False"},
    {"Extra3LeftEd.text", "-50"},
    {"Extra3TopEd.text", "0"},
    {"AddressChk.Checked", "False"},
    {"AddressLeftEd.text", "-50"},
    {"AddressTopEd.text", "0"},
    {"PageNoChk.Checked", "True"},
    {"PageNoLeftEd.text", "145"},
    {"PageNoTopEd.text", "17"},
    {"UserChk.Checked", "True"},
    {"UserLeftEd.text", "23"},
    {"UserTopEd.text", "17"},
    {"NoLeftEd.text", "7"},
    {"NoLeftEd1.text", "10"},
    {"CodeLeftEd.text", "-50"},
    {"CodeLeftEd1.text", "0"},
    {"DesLeftEd.text", "20"},
    {"DesLeftEd1.text", "85"},
    {"SizeLeftEd.text", "-50"},
    {"SizeLeftEd1.text", "0"},
    {"QtyLeftEd.text", "115"},
    {"QtyLeftEd1.text", "15"},
    {"RateLeftEd.text", "145"},
    {"RateLeftEd1.text", "20"},
    {"AmountLeftEd.text", "173"},
    {"AmountLeftEd1.text", "25"},
    {"NoteLeftEd.text", "-50"},
    {"NoteLeftEd1.text", "0"},
    {"HPage.Value", "255"},
    {"FLaineTopEd.text", "63"},
    {"TMarginEd.text", "20"},
    {"LMarginEd.text", "1"},
    {"PrintHeaderChk.checked", "False"},
    {"ArabicCompNameLeft.Value", "15"},
    {"EngCompNameLeft.Value", "8"},
    {"EngCompNameTop.Value", "-5"},
    {"TitleChk.Checked", "False"},
    {"ShadowTAmount.Checked", "True"},
    {"TAmountTopEd.text", "10"},
    {"TAmAutoChk.Checked", "False"},
    {"TAmEnChk.Checked", "True"},
    {"TAmArChk.Checked", "False"},
    {"TAmLeftEd.text", "38"},
    {"TAmTopEd.text", "0"},
    {"TAmWidthEd.text", "95"},
    {"TAmHEd.text", "15"},
    {"OnlyFirstChk.Checked", "False"},
};

QString str(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

namespace DesignFonts {

QFont printFont(const QString &family, int points, bool bold)
{
    QFont f = Print::defaultFont(points, bold);
    if (!family.isEmpty())
        f.setFamilies({family, QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Arabic")});
    return f;
}

void store(Options &to, const QString &key, const QFont &font, const QColor &color)
{
    to.setText(key + QStringLiteral(".Name"), font.families().value(0, font.family()));
    const int points = qRound(font.pointSizeF());
    if (points > 0)
        to.setNumber(key + QStringLiteral(".Size"), points);
    const QColor c = color.isValid() ? color : Print::printColor();
    to.setNumber(key + QStringLiteral(".Color"),
                 qint64(c.red()) + qint64(c.green()) * 256 + qint64(c.blue()) * 65536);
    QString style = QStringLiteral("FS:");
    if (font.bold())
        style += u'B';
    if (font.italic())
        style += u'I';
    if (font.underline())
        style += u'U';
    to.setText(key + QStringLiteral(".Style"), style);
}

bool load(const Options &from, const QString &key, QFont *font, QColor *color)
{
    const QString name = key + QStringLiteral(".Name"), size = key + QStringLiteral(".Size"),
                  colour = key + QStringLiteral(".Color"), style = key + QStringLiteral(".Style");
    if (!from.contains(name) && !from.contains(size) && !from.contains(style))
        return false;
    const QString family = from.text(name).trimmed();
    if (!family.isEmpty())
        font->setFamilies(
            {family, QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Arabic")});
    bool ok = false;
    const int points = from.text(size).trimmed().toInt(&ok);
    if (ok && points > 0)
        font->setPointSize(points);
    if (from.contains(style)) {
        const QString flags = from.text(style).trimmed().mid(3).toUpper();
        font->setBold(flags.contains(u'B'));
        font->setItalic(flags.contains(u'I'));
        font->setUnderline(flags.contains(u'U'));
    }
    const qint64 number = from.text(colour).trimmed().toLongLong(&ok);
    if (ok && number >= 0 && number <= 0xFFFFFF)
        *color = QColor(int(number & 0xFF), int((number >> 8) & 0xFF), int((number >> 16) & 0xFF));
    return true;
}

} // namespace DesignFonts

PrintDesign PrintDesign::initial(const QString &companyNameEn, const QString &companyNameAr)
{
    PrintDesign d;
    for (const Value &v : kValues)
        d.m_values.insert(QString::fromLatin1(v.name), str(v.initial));
    d.m_values.insert(QStringLiteral("CloseCharEd.text"), QString(66, u'='));
    d.m_values.insert(QStringLiteral("ed5.text"), companyNameEn);
    d.m_values.insert(QStringLiteral("ed51.text"), companyNameAr);
    for (const char *c : kFontControls)
        d.m_fonts.insert(QString::fromLatin1(c), {Print::defaultFont(9), Print::printColor()});
    d.m_fonts[QStringLiteral("ed5")].font = Print::defaultFont(18, true);
    d.m_fonts[QStringLiteral("ed51")].font = Print::defaultFont(18, true);
    d.m_fonts[QStringLiteral("InvDetailsLb")].font = Print::defaultFont(8);
    return d;
}

void PrintDesign::loadDefault()
{
    for (const Preset &p : kStandard)
        m_values.insert(QString::fromLatin1(p.name), str(p.value));
    setFont(QStringLiteral("InvDetailsLb"),
            DesignFonts::printFont(QStringLiteral("Times New Roman"), 8, true),
            font(QStringLiteral("InvDetailsLb")).color);
}

void PrintDesign::loadDefaultOstrel(const QString &telephoneText)
{
    for (const Preset &p : kOstrel)
        m_values.insert(QString::fromLatin1(p.name), str(p.value));
    m_values.insert(QStringLiteral("Extra2TextEd.text"), telephoneText);
    setFont(QStringLiteral("InvDetailsLb"),
            DesignFonts::printFont(QStringLiteral("Times New Roman"), 12, true),
            font(QStringLiteral("InvDetailsLb")).color);
}

QString PrintDesign::optionKey(const QString &name)
{
    return QStringLiteral("DesForm.") + name;
}

QStringList PrintDesign::optionKeys() const
{
    QStringList keys;
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        keys << optionKey(it.key());
    for (auto it = m_fonts.cbegin(); it != m_fonts.cend(); ++it)
        for (const char *part : {".Name", ".Size", ".Color", ".Style"})
            keys << optionKey(it.key() + QStringLiteral(".font")) + QLatin1String(part);
    return keys;
}

void PrintDesign::load(const Options &from)
{
    for (auto it = m_values.begin(); it != m_values.end(); ++it) {
        const QString key = optionKey(it.key());
        if (from.contains(key))
            it.value() = from.text(key);
    }
    for (auto it = m_fonts.begin(); it != m_fonts.end(); ++it)
        DesignFonts::load(from, optionKey(it.key() + QStringLiteral(".font")), &it.value().font,
                          &it.value().color);
}

void PrintDesign::save(Options &to) const
{
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        to.setText(optionKey(it.key()), it.value());
    for (auto it = m_fonts.cbegin(); it != m_fonts.cend(); ++it)
        DesignFonts::store(to, optionKey(it.key() + QStringLiteral(".font")), it.value().font,
                           it.value().color);
}

QString PrintDesign::text(const QString &name) const
{
    return m_values.value(name);
}

bool PrintDesign::on(const QString &name) const
{
    return text(name).trimmed().compare(kOn, Qt::CaseInsensitive) == 0;
}

void PrintDesign::setText(const QString &name, const QString &value)
{
    m_values.insert(name, value);
}

void PrintDesign::setOn(const QString &name, bool on)
{
    setText(name, on ? kOn : kOff);
}

int PrintDesign::units(const QString &name) const
{
    return PrintUnits::designTextToUnits(text(name));
}

double PrintDesign::mm(const QString &name) const
{
    return PrintUnits::unitsToMm(units(name));
}

PrintDesign::Font PrintDesign::font(const QString &control) const
{
    return m_fonts.value(control, Font{Print::defaultFont(9), Print::printColor()});
}

void PrintDesign::setFont(const QString &control, const QFont &font, const QColor &color)
{
    m_fonts.insert(control, {font, color.isValid() ? color : Print::printColor()});
}

QStringList PrintDesign::fontControls()
{
    QStringList list;
    for (const char *c : kFontControls)
        list << QString::fromLatin1(c);
    return list;
}

int PrintDesign::pageHeight() const
{
    bool ok = false;
    const int h = text(QStringLiteral("HPage.Value")).trimmed().toInt(&ok);
    return ok ? std::clamp(h, 120, 350) : 297;
}

double PrintDesign::topMargin()
{
    bool ok = false;
    double top = PrintUnits::decimalMm(text(QStringLiteral("TMarginEd.text")), &ok);
    if (!ok)
        return 0;
    if (top > 100) {
        setText(QStringLiteral("TMarginEd.text"), QStringLiteral("100"));
        top = 100;
    }
    return top;
}

double PrintDesign::leftMargin() const
{
    bool ok = false;
    const double left = PrintUnits::decimalMm(text(QStringLiteral("LMarginEd.text")), &ok);
    return ok ? left : 0;
}
