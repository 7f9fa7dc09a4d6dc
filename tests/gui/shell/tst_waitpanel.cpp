// The wait panel follows the data module's progress of long operations.

#include "StoreFixture.h"

#include "shell/WaitPanel.h"

#include <QLabel>
#include <QProgressBar>

class TestWaitPanel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void stepsShowAdvanceAndHide();
    void gaugeWrapsAtItsMaximum();
};

void TestWaitPanel::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestWaitPanel::stepsShowAdvanceAndHide()
{
    StoreFixture f;
    QVERIFY(f.createYear());
    QVERIFY(f.start());
    TStoreForm &w = f.window();
    QWidget *panel = w.findChild<QWidget *>("WaitPanel");
    QProgressBar *gauge = w.findChild<QProgressBar *>("Gauge1");
    QLabel *caption = w.findChild<QLabel *>("WaitLB");
    QVERIFY(panel && gauge && caption);
    QVERIFY(!panel->isVisible());

    f.data().IncGauge(QStringLiteral("Wait 1"));
    QVERIFY(panel->isVisible());
    QCOMPARE(caption->text(), QStringLiteral("Wait 1"));
    const int first = gauge->value();
    f.data().IncGauge(QStringLiteral("Wait 2"));
    QCOMPARE(gauge->value(), first + 1);
    QCOMPARE(caption->text(), QStringLiteral("Wait 2"));

    f.data().hideGauge();
    QVERIFY(!panel->isVisible());
}

void TestWaitPanel::gaugeWrapsAtItsMaximum()
{
    WaitPanel panel;
    const int maximum = panel.gauge()->maximum();
    for (int i = 0; i < maximum; ++i)
        panel.step(QStringLiteral("x"));
    QCOMPARE(panel.gauge()->value(), maximum);
    panel.step(QStringLiteral("x"));
    QCOMPARE(panel.gauge()->value(), 0);
}

QTEST_MAIN(TestWaitPanel)
#include "tst_waitpanel.moc"
