// The design window: its controls, the presets behind their questions,
// "Close" applying the design, and closing discarding unapplied texts.

#include "InvoicePrinting.h"
#include "PrintUnits.h"
#include "print/TDesForm.h"
#include "shell/AppState.h"
#include "shell/FileDialogs.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"
#include "shell/PickDialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

class TestDesForm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void everyValueHasItsControl();
    void presetsAskFirst_data();
    void presetsAskFirst();
    void closeAppliesTheDesign();
    void closingDiscardsTextsNotApplied();
    void unreadableLogoKeepsTheWindowOpen();
    void fontButtonsChangeTheirGroup();
};

namespace {
QLineEdit *edit(TDesForm &f, const char *name)
{
    return f.findChild<QLineEdit *>(QString::fromLatin1(name));
}
QCheckBox *check(TDesForm &f, const char *name)
{
    return f.findChild<QCheckBox *>(QString::fromLatin1(name));
}
void click(TDesForm &f, const char *name)
{
    QPushButton *b = f.findChild<QPushButton *>(QString::fromLatin1(name));
    QVERIFY(b);
    b->click();
}
} // namespace

void TestDesForm::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestDesForm::init()
{
    appState().refreshToday();
    appState().CurYear = appState().ThisYear;
    options().resetToDefaults();
    options().setNumber(OptKey::ConfPass, 0);
    MsgBox::clearQueues();
    MsgBox::clearShown();
    FileDialogs::clearQueues();
    PickDialogs::clearQueues();
    InvoicePrinting::instance().loadAndApply(options(), QStringLiteral("Main Company"), QString());
}

void TestDesForm::everyValueHasItsControl()
{
    TDesForm f;
    const PrintDesign &d = InvoicePrinting::instance().design();
    for (const QString &name : d.names()) {
        QWidget *w = f.control(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->objectName(), name.section(u'.', 0, 0));
        QCOMPARE(f.findChild<QWidget *>(w->objectName()), w);
    }
    for (int i = 1; i <= 8; ++i)
        QVERIFY(f.findChild<QWidget *>(QStringLiteral("SpeedButton%1").arg(i)));
    QCOMPARE(f.windowTitle(), QString::fromUtf8("Print Design تصميم الطباعة"));
    QCOMPARE(edit(f, "InvNoLeftEd")->text(), QStringLiteral("77"));
    QCOMPARE(f.findChild<QSpinBox *>("HPage")->value(), 290);
    QCOMPARE(f.findChild<QSpinBox *>("HPage")->minimum(), 120);
    QCOMPARE(f.findChild<QSpinBox *>("EngCompNameTop")->minimum(), -15);
    QCOMPARE(edit(f, "ed5")->text(), QStringLiteral("Main Company"));
}

void TestDesForm::presetsAskFirst_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("invNoLeft");
    QTest::newRow("standard") << "DefaultBtn" << int(QMessageBox::Yes) << int(QMessageBox::Yes)
                              << "23";
    QTest::newRow("ostrel") << "LoadDefOstrelBtn" << int(QMessageBox::Yes) << int(QMessageBox::Yes)
                            << "20";
    QTest::newRow("no") << "DefaultBtn" << int(QMessageBox::No) << int(QMessageBox::Yes) << "77";
    QTest::newRow("cancel") << "LoadDefOstrelBtn" << int(QMessageBox::Yes)
                            << int(QMessageBox::Cancel) << "77";
}

void TestDesForm::presetsAskFirst()
{
    QFETCH(QString, button);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, invNoLeft);
    TDesForm f;
    MsgBox::queueAnswer(QMessageBox::StandardButton(first));
    MsgBox::queueAnswer(QMessageBox::StandardButton(second));
    click(f, qPrintable(button));
    QCOMPARE(edit(f, "InvNoLeftEd")->text(), invNoLeft);
    QCOMPARE(MsgBox::shownTexts().value(0), QStringLiteral("Are you sure to Load Default Options"));
    // nothing applied until "Close"
    QCOMPARE(InvoicePrinting::instance().design().text("InvNoLeftEd.text"), QStringLiteral("77"));
}

void TestDesForm::closeAppliesTheDesign()
{
    TDesForm f;
    f.show();
    edit(f, "InvNoLeftEd")->setText("23");
    edit(f, "ed1")->setText("Tel: 04 555");
    edit(f, "CloseCharEd")->clear();
    edit(f, "TMarginEd")->setText("abc");
    click(f, "DesFormOkBtn");
    QVERIFY(!f.isVisible());
    InvoicePrinting &p = InvoicePrinting::instance();
    QCOMPARE(p.design().text("InvNoLeftEd.text"), QStringLiteral("23"));
    QCOMPARE(p.design().text("CloseCharEd.text"), QStringLiteral("="));
    QCOMPARE(p.design().text("TMarginEd.text"), QStringLiteral("0.00"));
    QCOMPARE(p.layouts().TPrintForm.find("InvQR")->left, PrintUnits::unitsToMm(78));
    QCOMPARE(p.layouts().TPrintForm.find("LN1")->text, QStringLiteral("Tel: 04 555"));
    QCOMPARE(p.layouts().TPrintForm1.find("LN1")->text, QStringLiteral("Tel: 04 555"));
    QCOMPARE(p.layouts().TPrintForm.find("CloseInvLb")->text, QStringLiteral("="));
    // the design travels with the options when they are saved
    p.save(options());
    QCOMPARE(options().text("DesForm.InvNoLeftEd.text"), QStringLiteral("23"));
}

void TestDesForm::closingDiscardsTextsNotApplied()
{
    TDesForm f;
    f.show();
    edit(f, "ed2")->setText("typed only");
    edit(f, "InvNoTopEd")->setText("99");
    f.close();
    QCOMPARE(edit(f, "ed2")->text(), QStringLiteral("Fax: "));
    QCOMPARE(edit(f, "InvNoTopEd")->text(), QStringLiteral("99")); // positions stay in the window
    QCOMPARE(InvoicePrinting::instance().design().text("InvNoTopEd.text"), QStringLiteral("167"));
}

void TestDesForm::unreadableLogoKeepsTheWindowOpen()
{
    options().setText(OptKey::CompLogo, QStringLiteral("/no/such/logo.png"));
    TDesForm f;
    f.show();
    click(f, "DesFormOkBtn");
    QVERIFY(f.isVisible());
    QVERIFY2(MsgBox::shownTexts().value(0).contains("/no/such/logo.png"),
             qPrintable(MsgBox::shownTexts().join('|')));
    // without "Print Header" the logo is not read
    MsgBox::clearShown();
    check(f, "PrintHeaderChk")->click();
    QVERIFY(!edit(f, "ed1")->isVisibleTo(&f));
    click(f, "DesFormOkBtn");
    QVERIFY(!f.isVisible());
    QVERIFY(MsgBox::shownTexts().isEmpty());
    QVERIFY(!InvoicePrinting::instance().layouts().TPrintForm.find("LN1")->visible);
}

void TestDesForm::fontButtonsChangeTheirGroup()
{
    TDesForm f;
    f.show();
    QFont big = InvoicePrinting::instance().design().font("InvDetailsLb").font;
    big.setPointSize(15);
    PickDialogs::queueFont(big);
    f.findChild<QToolButton *>("SpeedButton8")->click();
    PickDialogs::queueFont(std::nullopt); // cancelled: unchanged
    f.findChild<QToolButton *>("SpeedButton1")->click();
    click(f, "DesFormOkBtn");
    const InvoicePrinting &p = InvoicePrinting::instance();
    QCOMPARE(p.layouts().TPrintForm.find("dqr")->font.pointSize(), 15);
    QCOMPARE(p.layouts().TPrintForm.find("cAMQR")->font.pointSize(), 15);
    QVERIFY(p.layouts().TPrintForm.find("cAMQR")->font.bold());
    QCOMPARE(p.layouts().TPrintForm.find("LN1")->font.pointSize(), 9);
}

QTEST_MAIN(TestDesForm)
#include "tst_desform.moc"
