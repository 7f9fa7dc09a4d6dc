#include "PrintSale.h"

#include "accounts/Money.h"
#include "data/SqlDialect.h"
#include "data/TDataFormSQL.h"

#include <QSqlQuery>

using namespace Print;

namespace PrintSale {

namespace {
QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

void setText(Report &r, const QString &name, const QString &text)
{
    if (ReportElement *e = r.find(name))
        e->text = text;
}

void setColor(Report &r, const QString &name, const QColor &color)
{
    if (ReportElement *e = r.find(name))
        e->color = color;
}

void setVisible(Report &r, const QString &name, bool visible)
{
    if (ReportElement *e = r.find(name))
        e->visible = visible;
}
} // namespace

std::optional<KindCaptions> captions(DocKind kind, bool cash, bool isArabic, bool outHalf)
{
    KindCaptions c;
    const QString buyers =
        isArabic ? s("Buyers Signatureتوقيع المستلم") : QStringLiteral("Buyers Signature");
    switch (kind) {
    case DocKind::Purchase:
        return std::nullopt;
    case DocKind::Sale:
        if (cash) {
            c.title = isArabic ? s("Cash Invoiceفاتورة نقداً") : QStringLiteral("Cash Invoice");
        } else {
            c.title =
                isArabic ? s("Credit Invoice فاتورة على الحساب") : QStringLiteral("Credit Invoice");
            c.cornerMarks = QStringLiteral("*");
            c.titleInverse = true;
        }
        c.ln33 = buyers;
        break;
    case DocKind::PriceList:
        c.title = isArabic ? s("Price List عرض أسعار") : QStringLiteral("Price List ");
        c.ln12 = QStringLiteral("Ref.");
        c.ln31 = QStringLiteral("Price to be changed without notice/5 days");
        c.ln32 = isArabic ? s("السعر قابل للتعديل خلال 5 أيام دون علم مسبق") : QString();
        c.setLn32 = true;
        break;
    case DocKind::BackToUs:
        c.title =
            isArabic ? s("Back Pay Memo سند صرف للمرتجعات") : QStringLiteral("Back Pay Memo ");
        c.cornerMarks = QStringLiteral("P");
        break;
    case DocKind::BackFromUs:
        c.title =
            isArabic ? s("Back Credit Memo سند قبض مرتجعات") : QStringLiteral("Back Credit Memo ");
        c.cornerMarks = QStringLiteral("C");
        break;
    case DocKind::Manufacturing:
        if (outHalf) {
            c.title =
                isArabic ? s("Ind-Ind Out تصنيع-خرج العملية") : QStringLiteral("Ind-Ind Out ");
            c.cornerMarks = QStringLiteral("IO");
        } else {
            c.title = isArabic ? s("Ind-Ind In تصنيع-دخل العملية") : QStringLiteral("Ind-Ind In ");
            c.cornerMarks = QStringLiteral("II");
        }
        break;
    }
    return c;
}

AmountWords onlyRule(const AmountWords &words, bool keepOnlyFirst)
{
    if (keepOnlyFirst)
        return words;
    AmountWords w = words;
    const QString only = QStringLiteral("Only ");
    if (w.English.startsWith(only))
        w.English = w.English.mid(only.size()) + QStringLiteral(" Only ");
    const QString faqat = s("فقط ");
    if (w.Arabic.startsWith(faqat))
        w.Arabic = w.Arabic.mid(faqat.size()) + s(" فقط ");
    return w;
}

QString discountCaption(double discount, int decimals)
{
    if (discount == 0)
        return {};
    QString text = QString::number(discount, 'f', decimals);
    if (discount > 0)
        text.prepend(u'+');
    return text + QStringLiteral(" %");
}

QString quantityText(double quantity)
{
    QString text = Money::display(quantity, 3);
    if (text == u"0")
        return text;
    // "#" before the point: no zero in front of it
    if (text.startsWith(QStringLiteral("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QStringLiteral("-0.")))
        text.remove(1, 1);
    return text;
}

QList<Row> lineRows(const QList<DocumentLine> &lines, int decimals, bool withSize)
{
    QList<Row> rows;
    int no = 0;
    for (const DocumentLine &l : lines) {
        Row r;
        r.insert(QStringLiteral("No1"), QString::number(++no));
        r.insert(QStringLiteral("ItemCode"), l.ItemCode);
        r.insert(QStringLiteral("Description"), l.Description);
        r.insert(QStringLiteral("ISize"), withSize ? l.ISize : QString());
        r.insert(QStringLiteral("Quantity"), quantityText(l.Quantity));
        r.insert(QStringLiteral("Rate1"), Money::display(l.Rate1, decimals));
        r.insert(QStringLiteral("Amount1"), Money::display(l.Amount1, decimals));
        r.insert(QStringLiteral("Note"), l.Note);
        rows << r;
    }
    return rows;
}

namespace {

Report onePrint(const PrintLayouts &layouts, PrintDesign &design, const SaleDocument &doc,
                const SalePrintSettings &settings, const KindCaptions &kind, double total,
                const QList<DocumentLine> &lines, bool withSize)
{
    Report r = layouts.TPrintForm;
    const int decimals = settings.currency.decimals();
    // 2. page length, continuous stationery
    r.page.height = design.pageHeight();
    r.continuous = design.on(QStringLiteral("ConPrintingChk.checked"));
    if (r.continuous) {
        r.closeBand.visible = false;
        if (ReportElement *logo = r.find(QStringLiteral("PrintFormImage1")))
            logo->width = logo->height = 0;
    }
    // 3. amount in words in either language
    setVisible(r, QStringLiteral("cAMQR"), design.on(QStringLiteral("TAmEnChk.Checked")));
    setVisible(r, QStringLiteral("cAMQR1"), design.on(QStringLiteral("TAmArChk.Checked")));
    // 4. margins
    r.page.top = design.topMargin();
    r.page.left = design.leftMargin();
    // 5. the kind's title, corner marks and captions
    ReportElement *title = r.find(QStringLiteral("CrdLb"));
    title->visible = design.on(QStringLiteral("PrintInvKindChk.Checked"));
    title->text = kind.title;
    if (kind.titleInverse) {
        title->color = Qt::white;
        title->background = printColor();
    }
    setText(r, QStringLiteral("LnSt1"), kind.cornerMarks);
    setText(r, QStringLiteral("LnSt2"), kind.cornerMarks);
    if (!kind.ln12.isEmpty())
        setText(r, QStringLiteral("ln12"), kind.ln12);
    if (!kind.ln31.isEmpty())
        setText(r, QStringLiteral("ln31"), kind.ln31);
    if (kind.setLn32)
        setText(r, QStringLiteral("ln32"), kind.ln32);
    if (!kind.ln33.isEmpty())
        setText(r, QStringLiteral("ln33"), kind.ln33);
    // 6. headings in the print colour; the English interface hides every
    // Arabic caption
    const QColor arabic = settings.isArabic ? printColor() : QColor(Qt::white);
    for (ReportElement &e : r.titleBand.elements) {
        e.color = printColor();
        if (e.name.endsWith(QStringLiteral("TitleAr")))
            e.color = arabic;
    }
    for (const char *n : {"ArTotalAmLbQr", "QRLabel17", "cAMQR1"})
        setColor(r, QString::fromLatin1(n), arabic);
    // 8. - 10. the particulars
    setText(r, QStringLiteral("compqr"), doc.AName);
    setText(r, QStringLiteral("DiscountQRLB"), discountCaption(doc.Discount, decimals));
    setText(r, QStringLiteral("InvQR"), QString::number(doc.InvID));
    setText(r, QStringLiteral("UserQR"), QStringLiteral("User: ") + doc.UName);
    r.title = kind.title + u' ' + QString::number(doc.InvID);
    const QString date = doc.Date1.date().toString(QStringLiteral("dd/MM/yyyy"));
    setText(r, QStringLiteral("DatQR"),
            design.on(QStringLiteral("DateChk.Checked")) ? QStringLiteral("Date: ") + date : date);
    // 11. the total in figures and in words
    const QString figure = Money::display(total, decimals);
    setText(r, QStringLiteral("dAMQR"), figure);
    const AmountWords words = onlyRule(AmountInWords(figure, settings.currency),
                                       design.on(QStringLiteral("OnlyFirstChk.Checked")));
    setText(r, QStringLiteral("cAMQR"), words.English);
    setText(r, QStringLiteral("cAMQR1"), words.Arabic);
    // 12. the lines
    r.rows = lineRows(lines, decimals, withSize);

    // A receipt roll: as long as the invoice, header and footer once.
    if (settings.paper != InvoicePaper::Page) {
        r.page.width = settings.paper == InvoicePaper::Roll58 ? 58 : 80;
        r.page.right = 0;
        r.page.bottom = 0;
        r.page.fitToContent = true;
        r.continuous = true;
        r.closeBand.visible = false;
    }
    return r;
}

} // namespace

QList<Report> reports(const PrintLayouts &layouts, PrintDesign &design, const SaleDocument &doc,
                      const SalePrintSettings &settings)
{
    QList<Report> out;
    const std::optional<KindCaptions> first = captions(doc.kind, doc.Cash, settings.isArabic);
    if (!first)
        return out;
    out << onePrint(layouts, design, doc, settings, *first, doc.TotalAmount, doc.lines, true);
    if (doc.kind == DocKind::Manufacturing) {
        const std::optional<KindCaptions> second =
            captions(doc.kind, doc.Cash, settings.isArabic, true);
        out << onePrint(layouts, design, doc, settings, *second, doc.outTotal, doc.outLines, false);
    }
    return out;
}

std::optional<SaleDocument> load(TDataFormSQL &data, DocKind kind, int invId, QString *error)
{
    Documents documents(data, kind);
    const std::optional<DocumentHeader> header = documents.header(invId);
    if (!header) {
        if (error)
            *error = data.lastErrorText();
        return std::nullopt;
    }
    SaleDocument doc;
    doc.kind = kind;
    doc.Cash = header->Cash;
    doc.InvID = header->InvID;
    doc.Date1 = header->Date1;
    doc.Discount = header->Discount;
    doc.TotalAmount = header->TotalAmount;
    bool ok = false;
    QSqlQuery names = data.exec(
        QStringLiteral(R"(SELECT A."AName", U."UName" FROM %1 I LEFT JOIN "Address" A ON )"
                       R"(A."ID" = I."CompanyID" LEFT JOIN "Users" U ON U."UID" = I."UID" )"
                       R"(WHERE I."InvID" = ?)")
            .arg(SqlDialect::quote(documents.kind().headerTable)),
        {invId}, &ok);
    if (ok && names.next()) {
        doc.AName = names.value(0).toString().trimmed();
        doc.UName = names.value(1).toString().trimmed();
    }
    doc.lines = documents.lines(invId);
    if (kind == DocKind::Manufacturing) {
        doc.outLines = documents.lines(invId, true);
        doc.outTotal = documents.productsTotal(invId);
    }
    return doc;
}

bool notifyWorkstations(TDataFormSQL &data)
{
    return data.DoSqlNEW(
        QStringLiteral(R"(INSERT INTO "LogFile" ("ver", "details") )"
                       R"(SELECT 'UPDT', CAST("UID" AS VARCHAR(5)) FROM "Users")"));
}

Route route(bool previewOption, bool pointOfSalePage, bool secondHalf)
{
    if (previewOption)
        return Route::Preview;
    if (pointOfSalePage && !secondHalf)
        return Route::DocumentPrinter;
    return Route::PrintDialog;
}

} // namespace PrintSale
