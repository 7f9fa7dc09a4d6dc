// The print design: its values before any option, the two presets, the
// options round trip, and how applying it places the invoice layout.

#include "PrintDesign.h"
#include "PrintLayouts.h"
#include "PrintSale.h"
#include "PrintUnits.h"
#include "ReportRenderer.h"
#include "shell/Options.h"

#include <QtTest>

using namespace Print;

class TestPrintDesign : public QObject
{
    Q_OBJECT
private slots:
    void presets_data();
    void presets();
    void presetsLeaveDashesAlone();
    void optionsRoundTrip();
    void EdToLnThenlnToEdRoundTrips();
    void lnToEdDiscardsTextsNotApplied();
    void standardPlacesTheInvoice();
    void ostrelHidesWhatFallsOffThePage();
    void printHeaderAndLogo();
    void onlyRule_data();
    void onlyRule();
    void discountAndQuantityTexts();
    void kindCaptions_data();
    void kindCaptions();
    void englishHidesArabicCaptions();
    void rollPaperUsesTheSameDesign();
    void invoicePages_data();
    void invoicePages();
};

namespace {

double u(int units)
{
    return PrintUnits::unitsToMm(units);
}

const ReportElement &el(const Report &r, const char *name)
{
    const ReportElement *e = r.find(QString::fromLatin1(name));
    if (!e)
        qFatal("no element %s", name);
    return *e;
}

PrintLayouts applied(const PrintDesign &d)
{
    PrintLayouts l = PrintLayouts::make();
    PrintDesignApply::EdToLn(d, l);
    return l;
}

SaleDocument sale()
{
    SaleDocument doc;
    doc.kind = DocKind::Sale;
    doc.InvID = 7;
    doc.AName = QStringLiteral("Hamad Stores");
    doc.Date1 = QDateTime(QDate(2026, 5, 1), QTime(10, 0));
    doc.UName = QStringLiteral("boss");
    doc.TotalAmount = 1234.5;
    DocumentLine line;
    line.ItemCode = QStringLiteral("A1");
    line.Description = QStringLiteral("Soap");
    line.ISize = QStringLiteral("L");
    line.Quantity = 2;
    line.Rate1 = 617.25;
    line.Amount1 = 1234.5;
    doc.lines << line;
    return doc;
}

} // namespace

void TestPrintDesign::presets_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    // Initial, Standard, Ostrel (empty: the preset leaves the value alone)
    const QList<QStringList> table{
        {"InvNoChk.Checked", "True", "True", "False"},
        {"InvNoLeftEd.text", "77", "23", "20"},
        {"InvNoTopEd.text", "167", "49", "27"},
        {"CNameChk.Checked", "True", "True", "False"},
        {"CNameLeftEd.text", "220", "64", "155"},
        {"CNameTopEd.text", "170", "49", "33"},
        {"CNameWEd.text", "100", "100", "33"},
        {"DateLeftEd.text", "524", "154", "155"},
        {"DateTopEd.text", "167", "49", "27"},
        {"TelChk.Checked", "True", "False", "False"},
        {"TelLeftEd.text", "524", "23", "-50"},
        {"Extra1LeftEd.text", "524", "524", "173"},
        {"Extra1TopEd.text", "167", "167", "207"},
        {"Extra2Chk.Checked", "True", "False", "True"},
        {"Extra2LeftEd.text", "524", "0", "95"},
        {"Extra2TopEd.text", "167", "0", "32"},
        {"Extra2TextEd.text", "Tel:", "", "Tel 04 555 1234"},
        {"Extra3Chk.Checked", "True", "False", "False"},
        {"AddressLeftEd.text", "524", "0", "-50"},
        {"PageNoLeftEd.text", "524", "155", "145"},
        {"PageNoTopEd.text", "167", "40", "17"},
        {"UserChk.Checked", "True", "", "True"},
        {"UserLeftEd.text", "105", "23", "23"},
        {"UserTopEd.text", "187", "17", "17"},
        {"NoLeftEd.text", "9", "3", "7"},
        {"NoLeftEd1.text", "9", "7", "10"},
        {"CodeLeftEd.text", "37", "11", "-50"},
        {"CodeLeftEd1.text", "37", "32", "0"},
        {"DesLeftEd1.text", "150", "45", "85"},
        {"SizeLeftEd.text", "373", "90", "-50"},
        {"QtyLeftEd.text", "401", "117", "115"},
        {"RateLeftEd1.text", "450", "15", "20"},
        {"AmountLeftEd.text", "520", "155", "173"},
        {"NoteLeftEd.text", "598", "175", "-50"},
        {"NoteLeftEd1.text", "598", "40", "0"},
        {"HPage.Value", "290", "297", "255"},
        {"FLaineTopEd.text", "190", "60", "63"},
        {"TMarginEd.text", "5.00", "0", "20"},
        {"LMarginEd.text", "5.00", "0", "1"},
        {"PrintHeaderChk.checked", "True", "True", "False"},
        {"ArabicCompNameLeft.Value", "0", "0", "15"},
        {"EngCompNameLeft.Value", "0", "0", "8"},
        {"EngCompNameTop.Value", "0", "0", "-5"},
        {"TitleChk.Checked", "True", "True", "False"},
        {"ShadowTAmount.Checked", "False", "True", "True"},
        {"TAmountTopEd.text", "0", "0", "10"},
        {"TAmAutoChk.Checked", "True", "True", "False"},
        {"TAmEnChk.Checked", "True", "True", "True"},
        {"TAmArChk.Checked", "True", "True", "False"},
        {"TAmLeftEd.text", "167", "", "38"},
        {"TAmTopEd.text", "524", "", "0"},
        {"TAmWidthEd.text", "167", "", "95"},
        {"TAmHEd.text", "167", "", "15"},
        {"TAmTopEd1.text", "524", "", ""},
        {"OnlyFirstChk.Checked", "False", "False", "False"},
        {"PrintInvKindChk.Checked", "True", "", ""},
        {"ConPrintingChk.checked", "False", "", ""},
        {"RRChk.checked", "True", "", ""},
        {"ed1.text", "Tel: ", "", ""},
        {"ed3.text", "P.O.Box", "", ""},
        {"ed7.text", "E-Mail:", "", ""},
        {"edA1.text", QString::fromUtf8("هاتف "), "", ""},
        {"edA7.text", QString::fromUtf8("موقع الانترنت"), "", ""},
        {"ed32.text", QString::fromUtf8("توقيع المستلم"), "", ""},
        {"ed33.text", "Name/Sign", "", ""},
        {"ed37.text", QString::fromUtf8("توقيع البائع"), "", ""},
        {"CloseCharEd.text", QString(66, u'='), "", ""},
    };
    const char *presets[] = {"initial", "standard", "ostrel"};
    for (const QStringList &row : table)
        for (int p = 0; p < 3; ++p)
            if (p == 0 || !row[p + 1].isEmpty())
                QTest::addRow("%s %s", presets[p], qPrintable(row[0]))
                    << presets[p] << row[0] << row[p + 1];
}

void TestPrintDesign::presets()
{
    QFETCH(QString, preset);
    QFETCH(QString, name);
    QFETCH(QString, value);
    PrintDesign d = PrintDesign::initial();
    if (preset == u"standard")
        d.loadDefault();
    else if (preset == u"ostrel")
        d.loadDefaultOstrel(QStringLiteral("Tel 04 555 1234"));
    QCOMPARE(d.text(name), value);
}

void TestPrintDesign::presetsLeaveDashesAlone()
{
    PrintDesign d = PrintDesign::initial(QStringLiteral("Main Company"));
    d.setOn("UserChk.Checked", false);
    d.setText("TAmLeftEd.text", "12");
    d.setText("CloseCharEd.text", "--");
    d.loadDefault();
    QCOMPARE(d.text("UserChk.Checked"), QStringLiteral("False"));
    QCOMPARE(d.text("TAmLeftEd.text"), QStringLiteral("12"));
    QCOMPARE(d.text("CloseCharEd.text"), QStringLiteral("--"));
    QCOMPARE(d.text("ed5.text"), QStringLiteral("Main Company"));
    const QFont standard = d.font("InvDetailsLb").font;
    QCOMPARE(standard.families().value(0), QStringLiteral("Times New Roman"));
    QCOMPARE(standard.pointSize(), 8);
    QVERIFY(standard.bold());
    d.loadDefaultOstrel({});
    QCOMPARE(d.text("TAmLeftEd1.text"), QStringLiteral("167"));
    QCOMPARE(d.font("InvDetailsLb").font.pointSize(), 12);
    QVERIFY(d.font("InvDetailsLb").font.bold());
}

void TestPrintDesign::optionsRoundTrip()
{
    Options &o = options();
    o.resetToDefaults();
    PrintDesign d = PrintDesign::initial();
    d.loadDefaultOstrel(QStringLiteral("Tel 1"));
    QFont f = DesignFonts::printFont(QStringLiteral("DejaVu Serif"), 14, true);
    f.setUnderline(true);
    d.setFont("ed31", f, QColor(10, 20, 30));
    d.setText("ed1.text", QString::fromUtf8("هاتف: 1234"));
    d.save(o);
    QCOMPARE(o.text("DesForm.InvNoLeftEd.text"), QStringLiteral("20"));
    QCOMPARE(o.text("DESFORM.HPAGE.VALUE"), QStringLiteral("255"));
    QCOMPARE(o.text("DesForm.ed31.font.Style"), QStringLiteral("FS:BU"));
    QCOMPARE(o.text("DesForm.ed31.font.Color"), QString::number(10 + 20 * 256 + 30 * 65536));
    for (const QString &key : d.optionKeys())
        QVERIFY2(o.contains(key), qPrintable(key));

    PrintDesign back = PrintDesign::initial();
    back.load(o);
    for (const QString &name : d.names())
        QCOMPARE(back.text(name), d.text(name));
    QCOMPARE(back.font("ed31").font.families().value(0), QStringLiteral("DejaVu Serif"));
    QCOMPARE(back.font("ed31").font.pointSize(), 14);
    QVERIFY(back.font("ed31").font.underline());
    QCOMPARE(back.font("ed31").color, QColor(10, 20, 30));

    // a missing option keeps the value before any option
    o.resetToDefaults();
    PrintDesign fresh = PrintDesign::initial();
    fresh.load(o);
    QCOMPARE(fresh.text("HPage.Value"), QStringLiteral("290"));
    QCOMPARE(fresh, PrintDesign::initial());
}

void TestPrintDesign::EdToLnThenlnToEdRoundTrips()
{
    PrintDesign d = PrintDesign::initial(QStringLiteral("Main"), QString::fromUtf8("الرئيسية"));
    d.loadDefault();
    for (int i = 1; i <= 4; ++i) {
        d.setText(QStringLiteral("ed%1.text").arg(i), QStringLiteral("English %1").arg(i));
        d.setText(QStringLiteral("edA%1.text").arg(i), QString::fromUtf8("عربي %1").arg(i));
    }
    for (int i = 31; i <= 37; ++i)
        d.setText(QStringLiteral("ed%1.text").arg(i), QStringLiteral("Footer %1").arg(i));
    d.setOn("RRChk.checked", false);
    d.setFont("ed1", DesignFonts::printFont("DejaVu Sans", 11, false), QColor(0, 0, 200));
    d.setFont("ed5", DesignFonts::printFont("DejaVu Serif", 20, true));
    d.logo = QImage(4, 4, QImage::Format_RGB32);
    d.logo.fill(Qt::red);
    const PrintLayouts l = applied(d);

    PrintDesign back = PrintDesign::initial();
    back.loadDefault();
    PrintDesignApply::lnToEd(l, back);
    QCOMPARE(back, d);
    QCOMPARE(el(l.TPrintForm, "lna1").direction, Qt::LeftToRight);
    QCOMPARE(el(l.TPrintForm1, "lnA3").text, QString::fromUtf8("عربي 3"));
    QCOMPARE(el(l.TPrintForm1, "ln5").text, QStringLiteral("Main"));
    QCOMPARE(el(l.TPrintForm1, "ln37").text, QStringLiteral("Footer 37"));
    QCOMPARE(l.TPrintForm1.page.height, 297.0);
}

void TestPrintDesign::lnToEdDiscardsTextsNotApplied()
{
    PrintDesign d = PrintDesign::initial();
    const PrintLayouts l = applied(d);
    d.setText("ed2.text", QStringLiteral("typed, not applied"));
    d.setText("InvNoLeftEd.text", QStringLiteral("99"));
    PrintDesignApply::lnToEd(l, d);
    QCOMPARE(d.text("ed2.text"), QStringLiteral("Fax: "));
    QCOMPARE(d.text("InvNoLeftEd.text"), QStringLiteral("99")); // positions stay
}

void TestPrintDesign::standardPlacesTheInvoice()
{
    PrintDesign d = PrintDesign::initial();
    d.loadDefault();
    const Report r = applied(d).TPrintForm;
    // number and its caption 2 units to its left
    QCOMPARE(el(r, "InvQR").left, u(78));
    QCOMPARE(el(r, "InvQR").top, u(167));
    QVERIFY(qAbs(el(r, "ln12").right() - (u(78) - u(2))) < 1e-9);
    QCOMPARE(el(r, "ln12").top, u(167));
    // customer and captions
    QCOMPARE(el(r, "compqr").left, u(218));
    QCOMPARE(el(r, "compqr").width, u(340));
    QCOMPARE(el(r, "QRLabel3").left, u(218 + 11));
    QCOMPARE(el(r, "QRLabel17").left, u(218 + 99));
    QCOMPARE(el(r, "QRLabel3").top, u(167 - 18));
    QCOMPARE(el(r, "PageNoQR").left, u(527 + 30));
    QCOMPARE(el(r, "UserQR").left, u(78));
    // the first line 60 mm below the header's top, after the title band
    QCOMPARE(r.pageHeader.height, u(204));
    QVERIFY(r.titleBand.visible);
    QCOMPARE(r.titleBand.height, 8.2);
    // columns
    QCOMPARE(el(r, "NoQr").left, u(10));
    QCOMPARE(el(r, "dqr").width, u(153));
    QCOMPARE(el(r, "amqr").left, u(527));
    QCOMPARE(el(r, "amqr").alignment & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(el(r, "CloseInvLb").text, QString(66, u'='));
    // total figure, its box and captions
    QCOMPARE(el(r, "dAMQR").left, u(527));
    QCOMPARE(el(r, "QRShape4").left, u(527 - 5));
    QCOMPARE(el(r, "QRShape4").top, u(2));
    QVERIFY(el(r, "QRShape4").hatched);
    QVERIFY(qAbs(el(r, "TotalAmLbQr").right() - u(527 - 5)) < 1e-9);
    QCOMPARE(el(r, "ArTotalAmLbQr").left, el(r, "TotalAmLbQr").left);
    QVERIFY(el(r, "cAMQR").autoSize);
    QCOMPARE(el(r, "cAMQR").right(), el(r, "TotalAmLbQr").left - u(5));
    QCOMPARE(el(r, "cAMQR1").top, el(r, "ArTotalAmLbQr").top);
    // company names on their bases; English contact lines left, Arabic right
    QCOMPARE(el(r, "ArCompNamePrint").left, u(160));
    QCOMPARE(el(r, "EnCompNamePrint").top, u(104));
    QVERIFY(el(r, "LN1").left < 10 && el(r, "lna1").right() > 180);
    QCOMPARE(el(r, "lna1").direction, Qt::RightToLeft);
    QVERIFY(el(r, "LN1").visible && el(r, "lna1").visible);
}

void TestPrintDesign::ostrelHidesWhatFallsOffThePage()
{
    PrintDesign d = PrintDesign::initial();
    d.loadDefaultOstrel(QStringLiteral("Tel 1"));
    PrintLayouts l = applied(d);
    PrintDesignApply::PrintHeaderChange(d, l, {});
    const Report &r = l.TPrintForm;
    for (const char *column : {"cqr", "sqr", "NtQr"}) {
        QCOMPARE(el(r, column).left, u(-170));
        QCOMPARE(el(r, column).width, 0.0);
    }
    QCOMPARE(el(r, "TelQr").left, u(-170));
    QCOMPARE(el(r, "AddressQr").left, u(-170));
    QCOMPARE(el(r, "Extra3QR").left, u(-170));
    QVERIFY(!r.titleBand.visible);
    QVERIFY(!el(r, "TotalAmLbQr").visible);
    // English words in a fixed 95 x 15 mm box at 38 mm from the left
    QVERIFY(!el(r, "cAMQR").autoSize);
    QCOMPARE(el(r, "cAMQR").left, u(129));
    QCOMPARE(el(r, "cAMQR").width, u(323));
    QCOMPARE(el(r, "cAMQR").height, u(51));
    QCOMPARE(el(r, "Extra2QR").text, QStringLiteral("Tel 1"));
    QCOMPARE(el(r, "ArCompNamePrint").left, u(160 + 51));
    QCOMPARE(el(r, "EnCompNamePrint").left, u(178 + 27));
    QCOMPARE(el(r, "EnCompNamePrint").top, u(104 - 17));
    QCOMPARE(el(r, "dAMQR").top, u(34));
    QVERIFY(!el(r, "LN1").visible);

    PrintDesign design = d;
    const QList<Report> printed = PrintSale::reports(l, design, sale(), {});
    QCOMPARE(printed.size(), 1);
    QVERIFY(el(printed[0], "cAMQR").visible);
    QVERIFY(!el(printed[0], "cAMQR1").visible);
    QCOMPARE(printed[0].page.height, 255.0);
    QCOMPARE(printed[0].page.top, 20.0);
    QCOMPARE(printed[0].page.left, 1.0);
}

void TestPrintDesign::printHeaderAndLogo()
{
    QTemporaryDir dir;
    const QString logoFile = dir.filePath("logo.png");
    QImage logo(8, 8, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    QVERIFY(logo.save(logoFile));
    PrintDesign d = PrintDesign::initial();
    PrintLayouts l = applied(d);
    QVERIFY(PrintDesignApply::PrintHeaderChange(d, l, logoFile).ok);
    QCOMPARE(el(l.TPrintForm, "PrintFormImage1").picture.size(), QSize(8, 8));
    QCOMPARE(el(l.TPrintForm1, "Image1").picture.size(), QSize(8, 8));
    QVERIFY(el(l.TPrintForm, "ln33").visible);

    const PrintDesignApply::Outcome bad =
        PrintDesignApply::PrintHeaderChange(d, l, dir.filePath("none.png"));
    QVERIFY(!bad.ok);
    QVERIFY2(bad.error.contains("none.png"), qPrintable(bad.error));

    d.setOn("PrintHeaderChk.checked", false);
    QVERIFY(PrintDesignApply::PrintHeaderChange(d, l, dir.filePath("none.png"))
                .ok); // not read when off
    for (const QString &n : PrintDesignApply::headerTextNames(false))
        QVERIFY2(!el(l.TPrintForm, qPrintable(n)).visible, qPrintable(n));
    QVERIFY(el(l.TPrintForm1, "Image1").picture.isNull());
    QVERIFY(el(l.TPrintForm, "EnCompNamePrint").visible); // company names always print
}

void TestPrintDesign::onlyRule_data()
{
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("arabic");
    QTest::addColumn<QString>("englishOut");
    QTest::addColumn<QString>("arabicOut");
    const QString faqat = QString::fromUtf8("فقط مائة درهم");
    QTest::newRow("moved behind") << false << "Only One Hundred" << faqat << "One Hundred Only "
                                  << QString::fromUtf8("مائة درهم فقط ");
    QTest::newRow("kept in front")
        << true << "Only One Hundred" << faqat << "Only One Hundred" << faqat;
    QTest::newRow("nothing to move") << false << "nothing" << QString::fromUtf8("لا شيء")
                                     << "nothing" << QString::fromUtf8("لا شيء");
}

void TestPrintDesign::onlyRule()
{
    QFETCH(bool, keep);
    QFETCH(QString, english);
    QFETCH(QString, arabic);
    QFETCH(QString, englishOut);
    QFETCH(QString, arabicOut);
    const AmountWords w = PrintSale::onlyRule({english, arabic}, keep);
    QCOMPARE(w.English, englishOut);
    QCOMPARE(w.Arabic, arabicOut);
}

void TestPrintDesign::discountAndQuantityTexts()
{
    QCOMPARE(PrintSale::discountCaption(-5, 2), QStringLiteral("-5.00 %"));
    QCOMPARE(PrintSale::discountCaption(5, 2), QStringLiteral("+5.00 %"));
    QCOMPARE(PrintSale::discountCaption(2.5, 3), QStringLiteral("+2.500 %"));
    QCOMPARE(PrintSale::discountCaption(0, 2), QString());
    QCOMPARE(PrintSale::quantityText(1234.5), QStringLiteral("1,234.500"));
    QCOMPARE(PrintSale::quantityText(0.5), QStringLiteral(".500"));
    QCOMPARE(PrintSale::quantityText(-0.25), QStringLiteral("-.250"));
    QCOMPARE(PrintSale::quantityText(0), QStringLiteral("0"));
    const QList<Row> rows = PrintSale::lineRows(sale().lines + sale().lines, 2, false);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1].value("No1"), QStringLiteral("2"));
    QCOMPARE(rows[0].value("Rate1"), QStringLiteral("617.25"));
    QCOMPARE(rows[0].value("Amount1"), QStringLiteral("1,234.50"));
    QCOMPARE(rows[0].value("ISize"), QString());
}

void TestPrintDesign::kindCaptions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("cash");
    QTest::addColumn<bool>("arabic");
    QTest::addColumn<bool>("outHalf");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("marks");
    auto s = [](const char *t) { return QString::fromUtf8(t); };
    QTest::newRow("cash ar") << 1 << true << true << false << s("Cash Invoiceفاتورة نقداً") << "";
    QTest::newRow("cash en") << 1 << true << false << false << s("Cash Invoice") << "";
    QTest::newRow("credit ar") << 1 << false << true << false
                               << s("Credit Invoice فاتورة على الحساب") << "*";
    QTest::newRow("credit en") << 1 << false << false << false << s("Credit Invoice") << "*";
    QTest::newRow("price list en") << 2 << true << false << false << s("Price List ") << "";
    QTest::newRow("price list ar") << 2 << true << true << false << s("Price List عرض أسعار") << "";
    QTest::newRow("to us ar") << 3 << true << true << false << s("Back Pay Memo سند صرف للمرتجعات")
                              << "P";
    QTest::newRow("from us en") << 4 << true << false << false << s("Back Credit Memo ") << "C";
    QTest::newRow("ind in ar") << 5 << true << true << false << s("Ind-Ind In تصنيع-دخل العملية")
                               << "II";
    QTest::newRow("ind out ar") << 5 << true << true << true << s("Ind-Ind Out تصنيع-خرج العملية")
                                << "IO";
    QTest::newRow("ind out en") << 5 << true << false << true << s("Ind-Ind Out ") << "IO";
}

void TestPrintDesign::kindCaptions()
{
    QFETCH(int, kind);
    QFETCH(bool, cash);
    QFETCH(bool, arabic);
    QFETCH(bool, outHalf);
    QFETCH(QString, title);
    QFETCH(QString, marks);
    const std::optional<KindCaptions> c = PrintSale::captions(DocKind(kind), cash, arabic, outHalf);
    QVERIFY(c);
    QCOMPARE(c->title, title);
    QCOMPARE(c->cornerMarks, marks);
    QCOMPARE(c->titleInverse, kind == 1 && !cash);
    QVERIFY(!PrintSale::captions(DocKind::Purchase, true, true));
}

void TestPrintDesign::englishHidesArabicCaptions()
{
    PrintDesign d = PrintDesign::initial();
    d.loadDefault();
    const PrintLayouts l = applied(d);
    SaleDocument doc = sale();
    doc.kind = DocKind::PriceList;
    doc.Discount = -5;
    SalePrintSettings english;
    english.currency = Currency::presetUAE();
    const Report en = PrintSale::reports(l, d, doc, english).value(0);
    for (const char *n : {"NoTitleAr", "CodeTitleAr", "SizeTitleAr", "NoteTitleAr", "ArTotalAmLbQr",
                          "QRLabel17", "cAMQR1"})
        QCOMPARE(el(en, n).color, QColor(Qt::white));
    QCOMPARE(el(en, "NoTitleEn").color, printColor());
    QCOMPARE(el(en, "ln12").text, QStringLiteral("Ref."));
    QCOMPARE(el(en, "ln31").text, QStringLiteral("Price to be changed without notice/5 days"));
    QCOMPARE(el(en, "ln32").text, QString());
    QCOMPARE(el(en, "DiscountQRLB").text, QStringLiteral("-5.00 %"));
    QCOMPARE(el(en, "dAMQR").text, QStringLiteral("1,234.50"));
    QVERIFY2(el(en, "cAMQR").text.endsWith(" Only "), qPrintable(el(en, "cAMQR").text));
    QCOMPARE(el(en, "DatQR").text, QStringLiteral("Date: 01/05/2026"));
    QCOMPARE(el(en, "UserQR").text, QStringLiteral("User: boss"));
    QCOMPARE(en.title, QStringLiteral("Price List  7"));
    QCOMPARE(en.rows.size(), 1);
    QCOMPARE(en.rows[0].value("ISize"), QStringLiteral("L"));

    SalePrintSettings arabic = english;
    arabic.isArabic = true;
    const Report ar = PrintSale::reports(l, d, doc, arabic).value(0);
    QCOMPARE(el(ar, "NoTitleAr").color, printColor());
    QCOMPARE(el(ar, "cAMQR1").color, printColor());
    QCOMPARE(el(ar, "ln32").text, QString::fromUtf8("السعر قابل للتعديل خلال 5 أيام دون علم مسبق"));

    // a print leaves the applied layout as it was
    QCOMPARE(el(l.TPrintForm, "ln12").text, QString::fromUtf8("No.مسلسل"));
}

void TestPrintDesign::rollPaperUsesTheSameDesign()
{
    PrintDesign d = PrintDesign::initial();
    d.loadDefault();
    const PrintLayouts l = applied(d);
    SalePrintSettings roll;
    roll.paper = InvoicePaper::Roll80;
    const Report r = PrintSale::reports(l, d, sale(), roll).value(0);
    QCOMPARE(r.page.width, 80.0);
    QVERIFY(r.page.fitToContent && r.continuous);
    QCOMPARE(el(r, "amqr").left, u(527)); // the design's own places
    SalePrintSettings normal;
    d.setOn("ConPrintingChk.checked", true);
    const Report c = PrintSale::reports(l, d, sale(), normal).value(0);
    QVERIFY(c.continuous && !c.closeBand.visible);
    QCOMPARE(el(c, "PrintFormImage1").width, 0.0);
}

void TestPrintDesign::invoicePages_data()
{
    QTest::addColumn<bool>("continuous");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("headers");
    QTest::addColumn<QString>("footers");
    // standard page: 297 - 25 bottom margin, 60 header, 26.2 footer: 40 lines on the first page
    QTest::newRow("normal") << false << 100 << 3 << "111"
                            << "111";
    QTest::newRow("continuous") << true << 130 << 3 << "100"
                                << "001";
}

void TestPrintDesign::invoicePages()
{
    QFETCH(bool, continuous);
    QFETCH(int, lines);
    QFETCH(int, pages);
    QFETCH(QString, headers);
    QFETCH(QString, footers);
    PrintDesign d = PrintDesign::initial();
    d.loadDefault();
    d.setOn("ConPrintingChk.checked", continuous);
    const PrintLayouts l = applied(d);
    SaleDocument doc = sale();
    while (doc.lines.size() < lines)
        doc.lines << doc.lines.first();
    const Report r = PrintSale::reports(l, d, doc, {}).value(0);
    const QList<ReportRenderer::Page> placed = ReportRenderer::paginate(r);
    QCOMPARE(placed.size(), pages);
    QString h, f;
    for (const ReportRenderer::Page &p : placed) {
        h += std::any_of(p.begin(), p.end(), [&](const auto &x) { return x.band == &r.pageHeader; })
            ? u'1'
            : u'0';
        f += std::any_of(p.begin(), p.end(), [&](const auto &x) { return x.band == &r.pageFooter; })
            ? u'1'
            : u'0';
    }
    QCOMPARE(h, headers);
    QCOMPARE(f, footers);
    // the first line 60 mm below the header's top, after the 8.2 mm title band
    const auto first =
        std::find_if(placed[0].begin(), placed[0].end(), [](const auto &x) { return x.row == 0; });
    QVERIFY(first != placed[0].end());
    QCOMPARE(first->y, u(204) + 8.2);
}

QTEST_MAIN(TestPrintDesign)
#include "tst_printdesign.moc"
