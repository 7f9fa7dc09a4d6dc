// The label window: the sheet through the PDF route, the weight, the page
// design with its settings file, the print routes, the codes page's
// "Barcode" button and the users window's password barcode.

#include "../shell/UsersSupport.h"

#include "PrintOutput.h"
#include "ZintBarcode.h"
#include "data/TDataFormSQL.h"
#include "items/Catalogue.h"
#include "items/CataloguePage.h"
#include "items/LabelInstall.h"
#include "items/TBarForm.h"
#include "shell/FileDialogs.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"
#include "shell/StoreActions.h"
#include "shell/StorePages.h"
#include "shell/TUsersForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace UsersSupport;

class TestBarForm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data() { TestDb::addEngines(); }
    void initTestCase();
    void init();
    void cleanup();
    void sheetOfFortyLabelsThroughPdf();
    void weightDigitsAndTheLimit();
    void designPanelWritesTheFile();
    void printRoutes();
    void languageChoiceFollowsTheInterface();
    void barcodeButtonOfTheCodesPage();
    void passwordAsBarcode();

private:
    QTemporaryDir m_dir;
    QString settingsFile() const { return m_dir.filePath(QStringLiteral("options.txt")); }
};

namespace {

template<class T>
T *child(QWidget *w, const char *name)
{
    return w->findChild<T *>(QString::fromLatin1(name));
}

QStringList fileLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

void TestBarForm::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
    installZintBarcodes();
    QVERIFY(m_dir.isValid());
}

void TestBarForm::init()
{
    options().resetToDefaults();
    MsgBox::clearQueues();
    MsgBox::clearShown();
    FileDialogs::clearQueues();
    QFile::remove(settingsFile());
}

void TestBarForm::cleanup()
{
    TBarForm::setPreviewHook({});
}

void TestBarForm::sheetOfFortyLabelsThroughPdf()
{
    TBarForm form;
    form.setSettingsPath(settingsFile());
    form.showForItem(QStringLiteral("6281000000014"), QStringLiteral("Sugar 1kg"));
    // The first opening writes the file from the page defaults.
    const QStringList first = fileLines(settingsFile());
    QCOMPARE(first.size(), 18);
    QCOMPARE(first.mid(0, 5), QStringList({"10", "10", "10", "10", "2"}));
    QCOMPARE(first.mid(15), QStringList({"210", "297", "0"}));
    QVERIFY(!child<QLineEdit>(&form, "BarEd")->isVisible());
    QVERIFY(!child<QComboBox>(&form, "LangCB")->isVisible());

    child<QSpinBox>(&form, "CSpn")->setValue(4);
    child<QSpinBox>(&form, "RSpn")->setValue(10);
    child<QComboBox>(&form, "BarKindSp")->setCurrentIndex(14); // EAN-13
    QVERIFY(child<QLabel>(&form, "ErrorLB")->text().isEmpty());
    QVERIFY(!form.labelImage().isNull());

    const QString pdf = m_dir.filePath(QStringLiteral("labels.pdf"));
    FileDialogs::queueFileName(pdf);
    QTest::mouseClick(child<QPushButton>(&form, "PdfBtn"), Qt::LeftButton);
    QVERIFY(QFile::exists(pdf));
    QVERIFY(run(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, "-"});
    QCOMPARE(text.count(QStringLiteral("Sugar 1kg")), 40);
    QCOMPARE(text.count(QStringLiteral("6281000000014")), 40);

    // Closing writes the settings.
    form.close();
    const QStringList saved = fileLines(settingsFile());
    QCOMPARE(saved.at(6), QStringLiteral("4"));
    QCOMPARE(saved.at(7), QStringLiteral("10"));
    QCOMPARE(saved.at(8), QStringLiteral("14"));
    // And the next opening reads them.
    TBarForm again;
    again.setSettingsPath(settingsFile());
    again.showForItem(QStringLiteral("1"), QString());
    QCOMPARE(child<QSpinBox>(&again, "CSpn")->value(), 4);
    QCOMPARE(child<QSpinBox>(&again, "RSpn")->value(), 10);
    QCOMPARE(child<QComboBox>(&again, "BarKindSp")->currentIndex(), 14);
}

void TestBarForm::weightDigitsAndTheLimit()
{
    TBarForm form;
    form.setSettingsPath(settingsFile());
    form.showForItem(QStringLiteral("6281000000014"), QStringLiteral("Cheese"));
    auto *weight = child<QLineEdit>(&form, "WeightEd");
    QCOMPARE(weight->text(), QStringLiteral("1"));
    QCOMPARE(form.content().data, QStringLiteral("6281000000014"));
    child<QCheckBox>(&form, "WeightChk")->click();
    QCOMPARE(form.content().data, QStringLiteral("628100000001401000"));
    retype(weight, QStringLiteral("2.5"));
    QTest::keyClick(weight, Qt::Key_Return);
    QCOMPARE(form.content().data, QStringLiteral("628100000001402500"));
    QVERIFY(MsgBox::shownTexts().isEmpty());
    retype(weight, QStringLiteral("150"));
    QTest::keyClick(weight, Qt::Key_Return);
    QVERIFY(MsgBox::shownTexts().contains(QStringLiteral("Weight: 12.345 less than 100")));
    QCOMPARE(weight->text(), QStringLiteral("15.000"));
    QCOMPARE(form.content().data, QStringLiteral("628100000001415000"));
}

void TestBarForm::designPanelWritesTheFile()
{
    TBarForm form;
    form.setSettingsPath(settingsFile());
    form.showForItem(QStringLiteral("12345"), QStringLiteral("x"));
    child<QSpinBox>(&form, "RSpn")->setValue(10);
    QCOMPARE(form.content().barHeight, 46);
    auto *panel = child<QGroupBox>(&form, "DesignPanel");
    QVERIFY(!panel->isVisible());
    QTest::mouseClick(child<QPushButton>(&form, "DesignBtn"), Qt::LeftButton);
    QVERIFY(panel->isVisible());
    auto *top = child<QDoubleSpinBox>(&form, "TopMarginSE");
    QCOMPARE(top->value(), 10.0);
    QCOMPARE(child<QDoubleSpinBox>(&form, "ColumnSpaceSE")->value(), 2.0);
    QCOMPARE(child<QDoubleSpinBox>(&form, "PageWidthSE")->value(), 210.0);
    top->setValue(30);
    child<QDoubleSpinBox>(&form, "LeftMarginSE")->setValue(5);
    QTest::mouseClick(child<QPushButton>(&form, "DesignOkBtn"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QStringList lines = fileLines(settingsFile());
    QCOMPARE(lines.at(0), QStringLiteral("30"));
    QCOMPARE(lines.at(3), QStringLiteral("5"));
    // The bar height follows the new margin: 257 * 464 div (10 * 277).
    QCOMPARE(form.content().barHeight, 43);
    QCOMPARE(form.sheetReport().page.top, 30.0);

    QTest::mouseClick(child<QPushButton>(&form, "DesignBtn"), Qt::LeftButton);
    QCOMPARE(top->value(), 30.0);
    top->setValue(40);
    QTest::mouseClick(child<QPushButton>(&form, "DesignCancelBtn"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QCOMPARE(fileLines(settingsFile()).at(0), QStringLiteral("30"));
    QCOMPARE(form.sheetReport().page.top, 30.0);
}

void TestBarForm::printRoutes()
{
    TBarForm form;
    form.setSettingsPath(settingsFile());
    form.showForItem(QStringLiteral("6281000000014"), QStringLiteral("Sugar 1kg"));
    child<QSpinBox>(&form, "CSpn")->setValue(4);
    child<QSpinBox>(&form, "RSpn")->setValue(10);
    int previews = 0, labels = 0;
    TBarForm::setPreviewHook([&](const Print::Report &sheet) {
        ++previews;
        labels = LabelSheet::labelCount(sheet);
    });
    options().setOn(QString::fromLatin1(OptKey::Preview), true);
    QTest::mouseClick(child<QPushButton>(&form, "PrintBtn"), Qt::LeftButton);
    QCOMPARE(previews, 1);
    QCOMPARE(labels, 40);

    // A barcode printer that is not installed: nothing printed, and said so.
    options().setOn(QString::fromLatin1(OptKey::Preview), false);
    options().setText(QString::fromLatin1(OptKey::PrinterBarcode),
                      QStringLiteral("No Such Printer"));
    QTest::mouseClick(child<QPushButton>(&form, "PrintBtn"), Qt::LeftButton);
    QCOMPARE(previews, 1);
    QCOMPARE(MsgBox::shownTexts().size(), 1);
    QVERIFY(MsgBox::shownTexts().first().contains(
        QStringLiteral("\"No Such Printer\" is not installed")));
}

void TestBarForm::languageChoiceFollowsTheInterface()
{
    TBarForm form;
    form.setSettingsPath(settingsFile());
    form.showForPassword(QStringLiteral("x1"));
    auto *language = child<QComboBox>(&form, "LangCB");
    appState().IsArabic = true;
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&form, &change);
    QCOMPARE(language->currentIndex(), 0);
    form.close();
    QCOMPARE(fileLines(settingsFile()).at(12), QStringLiteral("0"));
    appState().IsArabic = false;
    QApplication::sendEvent(&form, &change);
    QCOMPARE(language->currentIndex(), 1);
}

void TestBarForm::barcodeButtonOfTheCodesPage()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    {
        TDataFormSQL own;
        QVERIFY(own.OpenDB(f.yearParams()));
        Catalogue cat(own);
        const int kind = cat.addKind(QStringLiteral("Food")).kindId;
        const char *items[][3] = {{"1001", "Sugar 1kg", "12.5"}, {"1002", "Tea", "3"}};
        for (const auto &it : items) {
            ItemInput in;
            in.code = QString::fromLatin1(it[0]);
            in.description = QString::fromLatin1(it[1]);
            in.rate = QString::fromLatin1(it[2]);
            in.kind = kind;
            QVERIFY(cat.saveItem(in).ok);
        }
        own.CloseDB();
    }
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    TBarForm *form = installBarcodeLabels(w);
    QCOMPARE(installBarcodeLabels(w), form);
    form->setSettingsPath(settingsFile());
    auto *codes = w.page(StorePages::ItemCode)->findChild<CataloguePage *>();
    QVERIFY(codes);
    codes->enterPage();
    auto *button = child<QPushButton>(codes, "BarCodeBtn");
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(form->isVisible());
    QVERIFY(form->isItemMode());
    QCOMPARE(form->content().data, QStringLiteral("1001"));
    QVERIFY(form->content().showCode);
    auto *lower = child<QLineEdit>(form, "DEd");
    QCOMPARE(lower->text(), QStringLiteral("Sugar 1kg"));
    child<QCheckBox>(codes, "RateInBarChk")->click();
    QCOMPARE(lower->text(), QStringLiteral("12.50"));
    child<QCheckBox>(codes, "DesInBarChk")->click();
    QCOMPARE(lower->text(), QStringLiteral("12.50   Sugar 1kg"));
    // The label follows the current item.
    codes->selectItem(Catalogue(w.data()).search(QStringLiteral("1002")).front().itemId);
    QCOMPARE(form->content().data, QStringLiteral("1002"));
    QCOMPARE(lower->text(), QStringLiteral("3.00   Tea"));
    form->close();
}

void TestBarForm::passwordAsBarcode()
{
    QARVEL_FETCH_ENGINE(engine);
    StoreFixture f(engine);
    QVERIFY(f.createYear());
    QVERIFY(addUser(f, {"boss", "b1", Users::Administrator}));
    QVERIFY(addUser(f, {"clerk", "C7pass", Users::Normal}));
    QVERIFY(f.start());
    loginThroughWindow(f.window(), "boss", "b1");
    QVERIFY(f.window().isLoggedIn());
    TBarForm *form = installBarcodeLabels(f.window());
    form->setSettingsPath(settingsFile());
    f.window().actions()["UsersAction"]->trigger();
    TUsersForm *users = f.window().usersForm();
    QVERIFY(users->isVisible());
    auto *grid = child<QTableWidget>(users, "UsersGrd");
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->item(r, 0)->text().trimmed() == QStringLiteral("clerk"))
            grid->selectRow(r);
    click(users, "PrintPassBtn");
    QVERIFY(form->isVisible());
    QVERIFY(!form->isItemMode());
    QCOMPARE(form->content().data, QStringLiteral("C7pass"));
    QVERIFY(!form->content().showCode);
    QCOMPARE(child<QLineEdit>(form, "BarEd")->echoMode(), QLineEdit::Password);
    QVERIFY(!child<QComboBox>(form, "LangCB")->isVisible());
    form->close();
}

QTEST_MAIN(TestBarForm)
#include "tst_barform.moc"
