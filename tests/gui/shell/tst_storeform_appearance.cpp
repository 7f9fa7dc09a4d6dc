// Colours and fonts of the pages: the appearance actions, the colour and
// font choosers, the stored forms and their return at the next start.

#include "OptionRows.h"

#include "shell/Options.h"
#include "shell/PageAppearance.h"
#include "shell/PickDialogs.h"
#include "shell/StoreActions.h"
#include "shell/StoreMenus.h"
#include "shell/StorePages.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>

using namespace OptionRows;

class TestStoreFormAppearance : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void colourOfAPageIsKeptWithTheOptions();
    void resetGivesTheButtonFace();
    void fontOfAPageComesBackAtTheNextStart();
    void mainFontOfThePages();
    void invoicesPageTakesTheColourOfTheDocumentKind();
    void cancelledChooserChangesNothing();
    void pageWithoutPanelAsksNothing();
    void actionsAreInTheMenus();

private:
    QAction *action(const char *name) { return m_f->window().actions()[QString::fromLatin1(name)]; }
    std::unique_ptr<StoreFixture> m_f;
};

void TestStoreFormAppearance::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestStoreFormAppearance::init()
{
    options().resetToDefaults();
    PickDialogs::clearQueues();
    PickDialogs::clearAsked();
    m_f = std::make_unique<StoreFixture>();
    QVERIFY(m_f->createYear());
    QVERIFY(addAdministrator(*m_f));
    QVERIFY(m_f->start());
    logIn(m_f->window());
}

void TestStoreFormAppearance::cleanup()
{
    m_f.reset();
    PickDialogs::clearQueues();
    options().resetToDefaults();
}

void TestStoreFormAppearance::colourOfAPageIsKeptWithTheOptions()
{
    TStoreForm &w = m_f->window();
    w.GoTab(StorePages::ItemCode);
    PickDialogs::queueColor(QColor(10, 20, 30));
    action("ChangeColorAction")->trigger();

    QCOMPARE(w.appearance().panel(StorePages::ItemCode)->palette().color(QPalette::Window),
             QColor(10, 20, 30));
    const QString number = QString::number(10 + 20 * 256 + 30 * 65536);
    QCOMPARE(options().text("CodePanel.color"), number);
    QVERIFY(w.SaveOptions());
    QCOMPARE(get(*m_f, "CodePanel.color"), number);
    QCOMPARE(get(*m_f, "CODEPANEL.COLOR "), number);

    // Another page, another key.
    w.GoTab(StorePages::Names);
    PickDialogs::queueColor(QColor(1, 2, 3));
    action("ChangeColorAction")->trigger();
    QCOMPARE(options().text("AddPanel.color"), QString::number(1 + 2 * 256 + 3 * 65536));
    QCOMPARE(options().text("CodePanel.color"), number);
}

void TestStoreFormAppearance::resetGivesTheButtonFace()
{
    TStoreForm &w = m_f->window();
    w.GoTab(StorePages::Cash);
    PickDialogs::queueColor(QColor(200, 0, 0));
    action("ChangeColorAction")->trigger();
    action("DelFontAction")->trigger();
    QCOMPARE(options().text("CashPanel.color"), QString::number(PageAppearance::kButtonFace));
    QCOMPARE(w.appearance().panel(StorePages::Cash)->palette().color(QPalette::Window),
             QApplication::palette().color(QPalette::Button));
}

void TestStoreFormAppearance::fontOfAPageComesBackAtTheNextStart()
{
    TStoreForm &w = m_f->window();
    w.GoTab(StorePages::Store);
    QFont chosen(QStringLiteral("DejaVu Sans"), 14);
    chosen.setBold(true);
    chosen.setUnderline(true);
    PickDialogs::queueFont(chosen);
    action("ChangeFontAction")->trigger();

    QCOMPARE(options().text("StorePanel.font.Name"), QStringLiteral("DejaVu Sans"));
    QCOMPARE(options().text("StorePanel.font.Size"), QStringLiteral("14"));
    QCOMPARE(options().text("StorePanel.font.Style"), QStringLiteral("FS:BU"));
    QVERIFY(options().contains("StorePanel.font.Color"));
    QVERIFY(w.SaveOptions());

    options().resetToDefaults();
    QVERIFY(m_f->start());
    const QFont loaded = m_f->window().appearance().panel(StorePages::Store)->font();
    QCOMPARE(loaded.family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(loaded.pointSize(), 14);
    QVERIFY(loaded.bold());
    QVERIFY(loaded.underline());
    QVERIFY(!loaded.italic());
}

void TestStoreFormAppearance::mainFontOfThePages()
{
    TStoreForm &w = m_f->window();
    QFont chosen(QStringLiteral("DejaVu Sans"), 16);
    chosen.setItalic(true);
    PickDialogs::queueFont(chosen);
    action("ChangeMFontAction")->trigger();
    QCOMPARE(w.note()->font().pointSize(), 16);
    QVERIFY(w.note()->font().italic());
    QCOMPARE(options().text("TNote.font.Size"), QStringLiteral("16"));
    QCOMPARE(options().text("TNote.font.Style"), QStringLiteral("FS:I"));
}

void TestStoreFormAppearance::invoicesPageTakesTheColourOfTheDocumentKind()
{
    TStoreForm &w = m_f->window();
    action("PurAction")->trigger();
    QCOMPARE(w.currentPage(), int(StorePages::Purchase));
    PickDialogs::queueColor(QColor(0, 100, 0));
    action("ChangeColorAction")->trigger();
    QCOMPARE(options().text("SalesColor0"), QString::number(100 * 256));

    options().setNumber("SalesColor1", PageAppearance::colorNumber(QColor(0, 0, 90)));
    action("SaleAction")->trigger();
    QCOMPARE(w.appearance().panel(StorePages::Purchase)->palette().color(QPalette::Window),
             QColor(0, 0, 90));
    action("PurAction")->trigger();
    QCOMPARE(w.appearance().panel(StorePages::Purchase)->palette().color(QPalette::Window),
             QColor(0, 100, 0));
    // A kind without a colour of its own shows the standard colour.
    action("PListAction")->trigger();
    QCOMPARE(w.appearance().panel(StorePages::Purchase)->palette().color(QPalette::Window),
             QApplication::palette().color(QPalette::Window));
}

void TestStoreFormAppearance::cancelledChooserChangesNothing()
{
    TStoreForm &w = m_f->window();
    w.GoTab(StorePages::Pay);
    PickDialogs::queueColor(std::nullopt);
    action("ChangeColorAction")->trigger();
    PickDialogs::queueFont(std::nullopt);
    action("ChangeFontAction")->trigger();
    QVERIFY(!options().contains("PayPanel.color"));
    QVERIFY(!options().contains("PayPanel.font.Name"));
    QCOMPARE(PickDialogs::askedCaptions().size(), 2);
}

void TestStoreFormAppearance::pageWithoutPanelAsksNothing()
{
    TStoreForm &w = m_f->window();
    w.GoTab(StorePages::About);
    action("ChangeColorAction")->trigger();
    action("ChangeFontAction")->trigger();
    QVERIFY(PickDialogs::askedCaptions().isEmpty());
}

void TestStoreFormAppearance::actionsAreInTheMenus()
{
    TStoreForm &w = m_f->window();
    const QList<QAction *> optionsMenu = w.menus().menu("OptionsMenu")->actions();
    for (const char *name :
         {"ChangeColorAction", "ChangeFontAction", "ChangeMFontAction", "DelFontAction"}) {
        QVERIFY2(optionsMenu.contains(action(name)), name);
        QVERIFY2(w.note()->actions().contains(action(name)), name);
        QVERIFY2(action(name)->isEnabled(), name);
    }
    QCOMPARE(w.note()->contextMenuPolicy(), Qt::ActionsContextMenu);
}

QTEST_MAIN(TestStoreFormAppearance)
#include "tst_storeform_appearance.moc"
