#include "PrintLayouts.h"

#include "PrintUnits.h"

#include <QCoreApplication>
#include <QImageReader>

using namespace Print;

namespace {

class LayoutTr
{
    Q_DECLARE_TR_FUNCTIONS(PrintLayouts)
public:
    static QString t(const char *text) { return tr(text); }
};

double u(double units)
{
    return PrintUnits::unitsToMm(units);
}

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

ReportElement label(const QString &name, double left, double top, const QString &text = {},
                    double width = 0, Qt::Alignment align = Qt::AlignLeft)
{
    ReportElement e;
    e.name = name;
    e.left = left;
    e.top = top;
    e.text = text;
    e.width = width;
    e.alignment = align | Qt::AlignTop;
    e.autoSize = width <= 0;
    return e;
}

ReportElement rtl(ReportElement e)
{
    e.direction = Qt::RightToLeft;
    return e;
}

ReportElement field(const QString &name, const QString &fieldName, Qt::Alignment align)
{
    ReportElement e;
    e.name = name;
    e.field = fieldName;
    e.alignment = align | Qt::AlignTop;
    e.wordWrap = true;
    return e;
}

ReportElement line(const QString &name, double left, double top, double width, double height)
{
    ReportElement e;
    e.name = name;
    e.kind = ElementKind::Line;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    return e;
}

ReportElement box(const QString &name, double left, double top, double width, double height)
{
    ReportElement e = line(name, left, top, width, height);
    e.kind = ElementKind::Box;
    return e;
}

ReportElement picture(const QString &name, double left, double top, double width, double height)
{
    ReportElement e = line(name, left, top, width, height);
    e.kind = ElementKind::Picture;
    return e;
}

// The column headings: English on top, Arabic below; they keep the places
// of the layout whatever the design does to the columns.
struct Heading
{
    const char *name;
    double left;
    double width;
    const char *english;
    const char *arabic;
};
const Heading kHeadings[] = {
    {"No", 3, 7, "No.", "م"},
    {"Code", 11, 32, "Item Code", "الرمز"},
    {"Des", 44, 45, "Description", "البيان"},
    {"Size", 90, 25, "Size", "القياس"},
    {"Qty", 117, 15, "Qty", "الكمية"},
    {"Rate", 135, 15, "Rate", "السعر"},
    {"Amount", 155, 15, "Amount", "المبلغ"},
    {"Note", 175, 40, "Note/SN.", "ملاحظات"},
};

struct Column
{
    const char *element;
    const char *field;
    const char *design;
    Qt::Alignment align;
};
const Column kColumns[] = {
    {"NoQr", "No1", "NoLeftEd", Qt::AlignLeft},
    {"cqr", "ItemCode", "CodeLeftEd", Qt::AlignLeft},
    {"dqr", "Description", "DesLeftEd", Qt::AlignLeft},
    {"sqr", "ISize", "SizeLeftEd", Qt::AlignLeft},
    {"qqr", "Quantity", "QtyLeftEd", Qt::AlignRight},
    {"rqr", "Rate1", "RateLeftEd", Qt::AlignRight},
    {"amqr", "Amount1", "AmountLeftEd", Qt::AlignRight},
    {"NtQr", "Note", "NoteLeftEd", Qt::AlignLeft},
};

void contactLines(Band &header, bool voucher)
{
    const double tops[] = {6.5, 11.8, 17.1, 22.3};
    for (int i = 0; i < 4; ++i) {
        header.add(label(QStringLiteral("LN%1").arg(i + 1), 4.1, tops[i]));
        header.add(rtl(
            label(voucher ? QStringLiteral("lnA%1").arg(i + 1) : QStringLiteral("lna%1").arg(i + 1),
                  129.9, tops[i], {}, 58.8, Qt::AlignRight)));
    }
    header.add(label(QStringLiteral("Ln7"), 4.1, 28.2));
    header.add(rtl(label(voucher ? QStringLiteral("lnA7") : QStringLiteral("lna7"), 129.9, 27.6, {},
                         58.8, Qt::AlignRight)));
}

void setText(Report &r, const QString &name, const QString &text,
             const PrintDesign::Font *font = nullptr)
{
    if (ReportElement *e = r.find(name)) {
        e->text = text;
        if (font) {
            e->font = font->font;
            e->color = font->color.isValid() ? font->color : printColor();
        }
    }
}

void setFont(Report &r, const QString &name, const PrintDesign::Font &font)
{
    if (ReportElement *e = r.find(name)) {
        e->font = font.font;
        e->color = font.color.isValid() ? font.color : printColor();
    }
}

ReportElement *el(Report &r, const QString &name)
{
    static ReportElement scratch;
    ReportElement *e = r.find(name);
    if (!e) {
        scratch = ReportElement();
        return &scratch;
    }
    return e;
}

} // namespace

PrintLayouts PrintLayouts::make()
{
    PrintLayouts l;

    // ---- the invoice page
    Report &r = l.TPrintForm;
    r.page = PageSetup{210, 297, 5, 5, 10, 25, false};
    Band &h = r.pageHeader;
    h.height = 55.9;
    {
        ReportElement mark = label(QStringLiteral("LnSt1"), 6.2, 0.3);
        mark.font = defaultFont(12);
        h.add(mark);
        mark = label(QStringLiteral("LnSt2"), 169.9, 0.3, {}, 10, Qt::AlignRight);
        mark.autoSize = true;
        h.add(mark);
    }
    contactLines(h, false);
    h.add(picture(QStringLiteral("PrintFormImage1"), 86.7, 0.6, 19.1, 19.1));
    {
        ReportElement ar = rtl(
            label(QStringLiteral("ArCompNamePrint"), u(160), u(70), {}, 85.3, Qt::AlignHCenter));
        ar.font = defaultFont(18, true);
        h.add(ar);
        ReportElement en =
            label(QStringLiteral("EnCompNamePrint"), u(178), u(104), {}, 85.3, Qt::AlignHCenter);
        en.font = defaultFont(18, true);
        h.add(en);
        ReportElement kind = label(QStringLiteral("CrdLb"), 64.4, 38.5, {}, 58.2, Qt::AlignHCenter);
        kind.font = defaultFont(11, true);
        kind.font.setUnderline(true);
        h.add(kind);
    }
    h.add(label(QStringLiteral("ln12"), 0, 0, s("No.مسلسل")));
    h.add(label(QStringLiteral("InvQR"), 0, 0));
    {
        ReportElement c = label(QStringLiteral("compqr"), 0, 0, {}, 30);
        h.add(c);
    }
    h.add(label(QStringLiteral("QRLabel3"), 0, 0, QStringLiteral("Mr./M/s.")));
    h.add(rtl(label(QStringLiteral("QRLabel17"), 0, 0, s("السيد  /السادة"))));
    h.add(label(QStringLiteral("DatQR"), 0, 0));
    h.add(label(QStringLiteral("TelQr"), 0, 0, QStringLiteral("Tel No")));
    h.add(label(QStringLiteral("AddressQr"), 0, 0, QStringLiteral("Address")));
    h.add(label(QStringLiteral("Extra2QR"), 0, 0));
    h.add(label(QStringLiteral("Extra3QR"), 0, 0, QStringLiteral("Extr3")));
    h.add(label(QStringLiteral("PageNoTitleQr"), 0, 0, QStringLiteral("P.:")));
    {
        ReportElement page = label(QStringLiteral("PageNoQR"), 0, 0);
        page.pageNumber = true;
        h.add(page);
    }
    h.add(label(QStringLiteral("UserQR"), 0, 0));
    r.pageElements << label(QStringLiteral("DiscountQRLB"), 0, 0);

    Band &t = r.titleBand;
    t.height = 8.2;
    t.add(line(QStringLiteral("TitleTopRule"), 0, 0, 189.9, 0));
    t.add(line(QStringLiteral("TitleBottomRule"), 0, 8.2, 189.9, 0));
    for (const Heading &hd : kHeadings) {
        // The headings sit on the columns of the standard design.
        ReportElement en =
            label(QString::fromLatin1(hd.name) + QStringLiteral("TitleEn"),
                  u(PrintUnits::wholeMmToUnits(int(hd.left))), 0.5, QString::fromLatin1(hd.english),
                  u(PrintUnits::wholeMmToUnits(int(hd.width))));
        en.font = defaultFont(8, true);
        t.add(en);
        ReportElement ar = en;
        ar.name = QString::fromLatin1(hd.name) + QStringLiteral("TitleAr");
        ar.text = s(hd.arabic);
        ar.top = 4.1;
        ar.direction = Qt::RightToLeft;
        t.add(ar);
    }

    Band &d = r.detail;
    d.height = 4.4;
    for (const Column &c : kColumns) {
        ReportElement e =
            field(QString::fromLatin1(c.element), QString::fromLatin1(c.field), c.align);
        e.height = 4.4;
        d.add(e);
    }
    Band &cl = r.closeBand;
    cl.height = u(17);
    {
        ReportElement close = label(QStringLiteral("CloseInvLb"), 0, 0);
        cl.add(close);
    }

    Band &f = r.pageFooter;
    f.height = 26.2;
    {
        ReportElement strip = box(QStringLiteral("QRShape1"), 0, 0, 190.8, 8.2);
        strip.frame = false;
        f.add(strip);
        f.add(line(QStringLiteral("QRShape1Top"), 0, 0, 190.8, 0));
        f.add(line(QStringLiteral("QRShape1Bottom"), 0, 8.2, 190.8, 0));
        f.add(box(QStringLiteral("QRShape4"), 0, 0, 39.4, 7.1));
        ReportElement cap =
            label(QStringLiteral("TotalAmLbQr"), 0, 0.3, QStringLiteral("T. Amount"));
        cap.font = defaultFont(8, true);
        cap.font.setUnderline(true);
        f.add(cap);
        ReportElement arCap =
            rtl(label(QStringLiteral("ArTotalAmLbQr"), 0, 3.8, s("المبلغ الإجمالي")));
        arCap.font = defaultFont(8, true);
        f.add(arCap);
        ReportElement figure = label(QStringLiteral("dAMQR"), 0, 0);
        figure.font = defaultFont(18, true);
        f.add(figure);
        f.add(label(QStringLiteral("cAMQR"), 0, 0));
        f.add(rtl(label(QStringLiteral("cAMQR1"), 0, 0)));
        f.add(label(QStringLiteral("ln31"), 2.4, 9.1));
        f.add(label(QStringLiteral("ln32"), 2.4, 12.9));
        f.add(label(QStringLiteral("ln33"), 3.8, 17.1));
        f.add(label(QStringLiteral("ln34"), 73.2, 9.1));
        f.add(label(QStringLiteral("ln35"), 80.8 - 20, 13.5, {}, 40, Qt::AlignHCenter));
        f.add(label(QStringLiteral("ln36"), 143.8, 9.1));
        f.add(label(QStringLiteral("ln37"), 143.8, 13.2, {}, 45, Qt::AlignRight));
    }

    // ---- the voucher page: header, company names, logo, footer captions
    Report &v = l.TPrintForm1;
    v.page = PageSetup{210, 297, 10, 10, 10, 10, false};
    Band &vh = v.pageHeader;
    vh.height = 55.9;
    contactLines(vh, true);
    vh.add(picture(QStringLiteral("Image1"), 86.7, 0.6, 19.1, 19.1));
    {
        ReportElement ar =
            rtl(label(QStringLiteral("ln51"), 47.0, 20.6, {}, 85.3, Qt::AlignHCenter));
        ar.font = defaultFont(18, true);
        vh.add(ar);
        ReportElement en = label(QStringLiteral("ln5"), 52.3, 30.6, {}, 85.3, Qt::AlignHCenter);
        en.font = defaultFont(18, true);
        vh.add(en);
    }
    v.titleBand.visible = false;
    v.closeBand.visible = false;
    v.detail.height = 0;
    Band &vf = v.pageFooter;
    vf.height = 26.2;
    vf.add(box(QStringLiteral("QRShape1"), 140, 0, 39.4, 7.1));
    vf.add(label(QStringLiteral("ln33"), 3.8, 17.1));
    vf.add(label(QStringLiteral("ln36"), 73.2, 17.1));
    vf.add(label(QStringLiteral("ln37"), 143.8, 17.1, {}, 45, Qt::AlignRight));
    return l;
}

namespace PrintDesignApply {

QStringList headerTextNames(bool voucher)
{
    if (voucher)
        return {QStringLiteral("LN1"),  QStringLiteral("LN2"),  QStringLiteral("LN3"),
                QStringLiteral("LN4"),  QStringLiteral("Ln7"),  QStringLiteral("lnA1"),
                QStringLiteral("lnA2"), QStringLiteral("lnA3"), QStringLiteral("lnA4"),
                QStringLiteral("lnA7"), QStringLiteral("ln33"), QStringLiteral("ln36"),
                QStringLiteral("ln37")};
    QStringList names{QStringLiteral("LN1"),  QStringLiteral("LN2"),  QStringLiteral("LN3"),
                      QStringLiteral("LN4"),  QStringLiteral("Ln7"),  QStringLiteral("lna1"),
                      QStringLiteral("lna2"), QStringLiteral("lna3"), QStringLiteral("lna4"),
                      QStringLiteral("lna7")};
    for (int i = 31; i <= 37; ++i)
        names << QStringLiteral("ln%1").arg(i);
    return names;
}

namespace {

void applyTexts(const PrintDesign &d, Report &r, bool voucher)
{
    const PrintDesign::Font ed1 = d.font(QStringLiteral("ed1")),
                            edA1 = d.font(QStringLiteral("edA1"));
    const QString a = voucher ? QStringLiteral("lnA") : QStringLiteral("lna");
    for (int i = 1; i <= 4; ++i) {
        setText(r, QStringLiteral("LN%1").arg(i), d.text(QStringLiteral("ed%1.text").arg(i)), &ed1);
        setText(r, a + QString::number(i), d.text(QStringLiteral("edA%1.text").arg(i)), &edA1);
    }
    const PrintDesign::Font ed7 = d.font(QStringLiteral("ed7")),
                            edA7 = d.font(QStringLiteral("edA7"));
    setText(r, QStringLiteral("Ln7"), d.text(QStringLiteral("ed7.text")), &ed7);
    setText(r, a + u'7', d.text(QStringLiteral("edA7.text")), &edA7);
    // Arabic contact lines read right to left, or left to right.
    const bool rtlLines = d.on(QStringLiteral("RRChk.checked"));
    for (const QString &n : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                             QStringLiteral("4"), QStringLiteral("7")})
        if (ReportElement *e = r.find(a + n)) {
            e->direction = rtlLines ? Qt::RightToLeft : Qt::LeftToRight;
            e->alignment = (rtlLines ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
        }
    const PrintDesign::Font ed5 = d.font(QStringLiteral("ed5")),
                            ed51 = d.font(QStringLiteral("ed51"));
    const PrintDesign::Font ed31 = d.font(QStringLiteral("ed31"));
    if (voucher) {
        setText(r, QStringLiteral("ln5"), d.text(QStringLiteral("ed5.text")), &ed5);
        setText(r, QStringLiteral("ln51"), d.text(QStringLiteral("ed51.text")), &ed51);
        for (int i : {33, 36, 37})
            setText(r, QStringLiteral("ln%1").arg(i), d.text(QStringLiteral("ed%1.text").arg(i)),
                    &ed31);
        if (ReportElement *logo = r.find(QStringLiteral("Image1")))
            logo->picture = d.logo;
        return;
    }
    if (ReportElement *logo = r.find(QStringLiteral("PrintFormImage1")))
        logo->picture = d.logo;
    const PrintDesign::Font lineFont = d.font(QStringLiteral("InvDetailsLb"));
    for (ReportElement &e : r.detail.elements) {
        e.font = lineFont.font;
        e.color = lineFont.color.isValid() ? lineFont.color : printColor();
    }
    setFont(r, QStringLiteral("CloseInvLb"), lineFont);
    PrintDesign::Font words = lineFont;
    words.font.setBold(true);
    setFont(r, QStringLiteral("cAMQR"), words);
    setFont(r, QStringLiteral("cAMQR1"), words);
    setText(r, QStringLiteral("EnCompNamePrint"), d.text(QStringLiteral("ed5.text")), &ed5);
    setText(r, QStringLiteral("ArCompNamePrint"), d.text(QStringLiteral("ed51.text")), &ed51);
    for (int i = 31; i <= 37; ++i)
        setText(r, QStringLiteral("ln%1").arg(i), d.text(QStringLiteral("ed%1.text").arg(i)),
                &ed31);
}

void place(Report &r, const QString &name, double left, double top)
{
    ReportElement *e = el(r, name);
    e->left = left;
    e->top = top;
}

} // namespace

void EdToLn(const PrintDesign &design, PrintLayouts &layouts)
{
    applyTexts(design, layouts.TPrintForm, false);
    applyTexts(design, layouts.TPrintForm1, true);
    layouts.TPrintForm1.page.height = design.pageHeight();
    InvPrintNewOpt1(design, layouts.TPrintForm);
    // The total boxes of both layouts are hatched or left empty.
    el(layouts.TPrintForm1, QStringLiteral("QRShape1"))->hatched =
        design.on(QStringLiteral("ShadowTAmount.Checked"));
}

void InvPrintNewOpt1(const PrintDesign &d, Report &r)
{
    auto mm = [&d](const char *name) { return d.mm(QString::fromLatin1(name)); };
    auto on = [&d](const char *name) { return d.on(QString::fromLatin1(name)); };
    const double two = u(2), five = u(5);

    // 1. the number and its caption, 2 units left of it
    ReportElement *ln12 = el(r, QStringLiteral("ln12"));
    ln12->visible = on("InvNoChk.Checked");
    place(r, QStringLiteral("InvQR"), mm("InvNoLeftEd.text"), mm("InvNoTopEd.text"));
    ln12->top = mm("InvNoTopEd.text");
    ln12->width = textWidthMm(ln12->font, ln12->text);
    ln12->left = mm("InvNoLeftEd.text") - ln12->width - two;
    // 2. + 4. the customer and its two captions
    const bool customerCaptions = on("CNameChk.Checked");
    ReportElement *compqr = el(r, QStringLiteral("compqr"));
    compqr->left = mm("CNameLeftEd.text");
    compqr->top = mm("CNameTopEd.text");
    compqr->width = mm("CNameWEd.text");
    ReportElement *mr = el(r, QStringLiteral("QRLabel3"));
    ReportElement *sayed = el(r, QStringLiteral("QRLabel17"));
    mr->visible = sayed->visible = customerCaptions;
    mr->left = compqr->left + u(11);
    sayed->left = compqr->left + u(99);
    mr->top = sayed->top = compqr->top - u(18);
    // 3. shows
    el(r, QStringLiteral("TelQr"))->visible = on("TelChk.Checked");
    el(r, QStringLiteral("AddressQr"))->visible = on("AddressChk.Checked");
    el(r, QStringLiteral("DiscountQRLB"))->visible = true;
    ReportElement *extra2 = el(r, QStringLiteral("Extra2QR"));
    extra2->visible = on("Extra2Chk.Checked");
    extra2->text = d.text(QStringLiteral("Extra2TextEd.text"));
    el(r, QStringLiteral("Extra3QR"))->visible = on("Extra3Chk.Checked");
    el(r, QStringLiteral("PageNoTitleQr"))->visible = on("PageNoChk.Checked");
    el(r, QStringLiteral("UserQR"))->visible = on("UserChk.Checked");
    // 5. to their places
    place(r, QStringLiteral("DatQR"), mm("DateLeftEd.text"), mm("DateTopEd.text"));
    place(r, QStringLiteral("TelQr"), mm("TelLeftEd.text"), mm("TelTopEd.text"));
    place(r, QStringLiteral("AddressQr"), mm("AddressLeftEd.text"), mm("AddressTopEd.text"));
    place(r, QStringLiteral("DiscountQRLB"), mm("Extra1LeftEd.text"), mm("Extra1TopEd.text"));
    place(r, QStringLiteral("Extra2QR"), mm("Extra2LeftEd.text"), mm("Extra2TopEd.text"));
    place(r, QStringLiteral("Extra3QR"), mm("Extra3LeftEd.text"), mm("Extra3TopEd.text"));
    // 6. page number 30 units right of its caption
    place(r, QStringLiteral("PageNoTitleQr"), mm("PageNoLeftEd.text"), mm("PageNoTopEd.text"));
    place(r, QStringLiteral("PageNoQR"), mm("PageNoLeftEd.text") + u(30), mm("PageNoTopEd.text"));
    // 7. the user; the header's height is where the lines start
    place(r, QStringLiteral("UserQR"), mm("UserLeftEd.text"), mm("UserTopEd.text"));
    r.pageHeader.height = std::max(0.0, mm("FLaineTopEd.text"));
    // 8., 9., 11. the columns; the closing rule
    for (const Column &c : kColumns) {
        ReportElement *e = el(r, QString::fromLatin1(c.element));
        e->left = d.mm(QString::fromLatin1(c.design) + QStringLiteral(".text"));
        e->width = d.mm(QString::fromLatin1(c.design) + QStringLiteral("1.text"));
    }
    ReportElement *close = el(r, QStringLiteral("CloseInvLb"));
    close->left = 0;
    close->top = 0;
    close->text = d.text(QStringLiteral("CloseCharEd.text"));
    // 9. the total figure under the amount column, its captions and box
    ReportElement *figure = el(r, QStringLiteral("dAMQR"));
    figure->left = mm("AmountLeftEd.text");
    ReportElement *caption = el(r, QStringLiteral("TotalAmLbQr"));
    caption->width = textWidthMm(caption->font, caption->text);
    caption->left = figure->left - caption->width - five;
    ReportElement *arCaption = el(r, QStringLiteral("ArTotalAmLbQr"));
    arCaption->left = caption->left;
    ReportElement *words = el(r, QStringLiteral("cAMQR"));
    ReportElement *arWords = el(r, QStringLiteral("cAMQR1"));
    if (on("TAmAutoChk.Checked")) {
        for (auto [w, anchor] : {std::pair{words, caption}, std::pair{arWords, arCaption}}) {
            w->autoSize = true;
            w->wordWrap = false;
            w->alignment = Qt::AlignRight | Qt::AlignTop;
            w->width = 0;
            w->left = anchor->left - five; // the right edge: grows leftwards with its text
            w->top = anchor->top;
            w->height = 0;
        }
    } else {
        const QString suffix[] = {QString(), QStringLiteral("1")};
        ReportElement *boxes[] = {words, arWords};
        for (int i = 0; i < 2; ++i) {
            ReportElement *w = boxes[i];
            w->autoSize = false;
            w->wordWrap = true;
            w->alignment = (i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop;
            w->left = d.mm(QStringLiteral("TAmLeftEd%1.text").arg(suffix[i]));
            w->top = d.mm(QStringLiteral("TAmTopEd%1.text").arg(suffix[i]));
            w->width = d.mm(QStringLiteral("TAmWidthEd%1.text").arg(suffix[i]));
            w->height = d.mm(QStringLiteral("TAmHEd%1.text").arg(suffix[i]));
        }
    }
    ReportElement *totalBox = el(r, QStringLiteral("QRShape4"));
    totalBox->left = figure->left - five;
    // 10. the figure's top, the box 2 units lower
    figure->top = mm("TAmountTopEd.text");
    totalBox->top = figure->top + two;
    // 12. the company names on their bases, shifted
    ReportElement *ar = el(r, QStringLiteral("ArCompNamePrint"));
    ar->left = u(160 + d.units(QStringLiteral("ArabicCompNameLeft.Value")));
    ar->top = u(70);
    ReportElement *en = el(r, QStringLiteral("EnCompNamePrint"));
    en->left = u(178 + d.units(QStringLiteral("EngCompNameLeft.Value")));
    en->top = u(104 + d.units(QStringLiteral("EngCompNameTop.Value")));
    // hatch the total box; the title band and the total strip
    totalBox->hatched = on("ShadowTAmount.Checked");
    const bool title = on("TitleChk.Checked");
    r.titleBand.visible = title;
    for (const char *n :
         {"QRShape1", "QRShape1Top", "QRShape1Bottom", "TotalAmLbQr", "ArTotalAmLbQr"})
        el(r, QString::fromLatin1(n))->visible = title;
}

void lnToEd(const PrintLayouts &layouts, PrintDesign &d)
{
    const Report &r = layouts.TPrintForm;
    auto text = [&r](const QString &name) {
        const ReportElement *e = r.find(name);
        return e ? e->text : QString();
    };
    auto font = [&r](const QString &name) {
        const ReportElement *e = r.find(name);
        return e ? PrintDesign::Font{e->font, e->color}
                 : PrintDesign::Font{defaultFont(), printColor()};
    };
    for (int i = 1; i <= 4; ++i) {
        d.setText(QStringLiteral("ed%1.text").arg(i), text(QStringLiteral("LN%1").arg(i)));
        d.setText(QStringLiteral("edA%1.text").arg(i), text(QStringLiteral("lna%1").arg(i)));
    }
    d.setText(QStringLiteral("ed7.text"), text(QStringLiteral("Ln7")));
    d.setText(QStringLiteral("edA7.text"), text(QStringLiteral("lna7")));
    d.setText(QStringLiteral("ed5.text"), text(QStringLiteral("EnCompNamePrint")));
    d.setText(QStringLiteral("ed51.text"), text(QStringLiteral("ArCompNamePrint")));
    for (int i = 31; i <= 37; ++i)
        d.setText(QStringLiteral("ed%1.text").arg(i), text(QStringLiteral("ln%1").arg(i)));
    const QList<std::pair<QString, QString>> fonts{
        {QStringLiteral("ed1"), QStringLiteral("LN1")},
        {QStringLiteral("ed7"), QStringLiteral("Ln7")},
        {QStringLiteral("edA1"), QStringLiteral("lna1")},
        {QStringLiteral("edA7"), QStringLiteral("lna7")},
        {QStringLiteral("ed5"), QStringLiteral("EnCompNamePrint")},
        {QStringLiteral("ed51"), QStringLiteral("ArCompNamePrint")},
        {QStringLiteral("ed31"), QStringLiteral("ln31")},
        {QStringLiteral("InvDetailsLb"), QStringLiteral("NoQr")}};
    for (const auto &[control, element] : fonts) {
        const PrintDesign::Font f = font(element);
        d.setFont(control, f.font, f.color);
    }
    if (const ReportElement *logo = r.find(QStringLiteral("PrintFormImage1")))
        d.logo = logo->picture;
    if (const ReportElement *lna1 = r.find(QStringLiteral("lna1")))
        d.setOn(QStringLiteral("RRChk.checked"), lna1->direction == Qt::RightToLeft);
}

Outcome PrintHeaderChange(const PrintDesign &design, PrintLayouts &layouts, const QString &logoPath)
{
    Outcome out;
    const bool header = design.on(QStringLiteral("PrintHeaderChk.checked"));
    QImage logo;
    if (header && !logoPath.isEmpty()) {
        QImageReader reader(logoPath);
        logo = reader.read();
        if (logo.isNull()) {
            out.ok = false;
            out.error =
                LayoutTr::t("The logo %1 cannot be read: %2").arg(logoPath, reader.errorString());
        }
    }
    for (const QString &n : headerTextNames(false))
        el(layouts.TPrintForm, n)->visible = header;
    for (const QString &n : headerTextNames(true))
        el(layouts.TPrintForm1, n)->visible = header;
    el(layouts.TPrintForm, QStringLiteral("PrintFormImage1"))->picture = logo;
    el(layouts.TPrintForm1, QStringLiteral("Image1"))->picture = logo;
    el(layouts.TPrintForm, QStringLiteral("PrintFormImage1"))->visible = header;
    el(layouts.TPrintForm1, QStringLiteral("Image1"))->visible = header;
    return out;
}

} // namespace PrintDesignApply
