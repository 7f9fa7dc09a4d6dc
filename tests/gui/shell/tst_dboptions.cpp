// The database settings window: locked fields, saving dbOptions.txt and
// reconnecting with the saved settings.

#include "StoreFixture.h"

#include "data/TDbOptionsForm.h"
#include "shell/TLogInForm.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

class TestDbOptions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fieldsAreLockedUntilChangeOptions();
    void backupDelayRange();
    void saveWritesTheFileAndReconnects();
    void saveToAMissingDatabaseShowsTheFirstTimePanel();
    void loginWindowOpensTheSettings();

private:
    TDbOptionsForm &form() { return *m_f->window().dbOptionsForm(); }
    template<class T> T *field(const char *name) { return form().findChild<T *>(name); }
    std::unique_ptr<StoreFixture> m_f;
};

void TestDbOptions::initTestCase()
{
    qputenv("QARVEL_MSGBOX_AUTOANSWER", "1");
}

void TestDbOptions::init()
{
    m_f = std::make_unique<StoreFixture>();
    QVERIFY(m_f->createYear());
    QVERIFY(m_f->createYear(2025));
    QVERIFY(m_f->start());
    MsgBox::clearShown();
}

void TestDbOptions::cleanup()
{
    m_f.reset();
}

void TestDbOptions::fieldsAreLockedUntilChangeOptions()
{
    QCOMPARE(form().windowTitle(), QStringLiteral("Database Options"));
    QVERIFY(form().fieldsLocked());
    for (const char *name : {"ServerED", "UNameED", "PAssED"})
        QVERIFY2(!field<QLineEdit>(name)->isEnabled(), name);
    QVERIFY(!field<QSpinBox>("TimeOutSE")->isEnabled());
    QVERIFY(!field<QPushButton>("SaveBtn")->isEnabled());
    QCOMPARE(field<QLineEdit>("PAssED")->echoMode(), QLineEdit::Password);
    QVERIFY(field<QLineEdit>("DBNameED")->isHidden());
    // The start-up put the settings and the open database in.
    QCOMPARE(field<QLineEdit>("ServerED")->text(), QStringLiteral("NEW"));
    QCOMPARE(field<QLineEdit>("UNameED")->text(), QStringLiteral("sa"));
    QCOMPARE(form().databaseName(), QStringLiteral("QarvelDATA2026"));

    QTest::mouseClick(field<QPushButton>("ChangeBtn"), Qt::LeftButton);
    QVERIFY(!form().fieldsLocked());
    QVERIFY(field<QLineEdit>("ServerED")->isEnabled());
    QVERIFY(field<QPushButton>("SaveBtn")->isEnabled());
}

void TestDbOptions::backupDelayRange()
{
    QSpinBox *delay = field<QSpinBox>("TimeOutSE");
    QCOMPARE(delay->minimum(), 10);
    QCOMPARE(delay->maximum(), 600);
    QCOMPARE(delay->singleStep(), 10);
    QCOMPARE(delay->value(), 10);
    QCOMPARE(form().backupTimeout(), 10);
}

void TestDbOptions::saveWritesTheFileAndReconnects()
{
    QTest::mouseClick(field<QPushButton>("ChangeBtn"), Qt::LeftButton);
    field<QLineEdit>("ServerED")->setText(QStringLiteral("local"));
    field<QLineEdit>("UNameED")->setText(QStringLiteral("owner"));
    field<QLineEdit>("PAssED")->setText(QStringLiteral("pa'ss"));
    form().setDatabaseName(QStringLiteral("QarvelDATA2025"));
    QSignalSpy connected(&form(), &TDbOptionsForm::connected);
    QTest::mouseClick(field<QPushButton>("SaveBtn"), Qt::LeftButton);

    QCOMPARE(connected.count(), 1);
    QVERIFY(MsgBox::shownTexts().isEmpty());
    QVERIFY(form().fieldsLocked());
    QVERIFY(m_f->data().isOpen());
    QCOMPARE(m_f->data().params().database, QStringLiteral("QarvelDATA2025"));

    const QString path = m_f->dataDir() + QLatin1String(DbSettings::kFileName);
    DbSettings saved;
    QVERIFY(saved.load(path));
    QCOMPARE(saved.server, QStringLiteral("local"));
    QCOMPARE(saved.user, QStringLiteral("owner"));
    QCOMPARE(saved.password, QStringLiteral("pa'ss"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QRegularExpression("\r?\n"));
    QVERIFY(lines.size() >= 4);
    QCOMPARE(lines.at(2).size(), 808); // the encoded password, never the plain one
    QCOMPARE(lines.at(3), QStringLiteral("QarvelDATA2025"));
}

void TestDbOptions::saveToAMissingDatabaseShowsTheFirstTimePanel()
{
    TStoreForm &w = m_f->window();
    w.loginForm()->showUserPanel();
    form().setDatabaseName(QStringLiteral("QarvelDATA1999"));
    QSignalSpy failed(&form(), &TDbOptionsForm::connectFailed);
    QVERIFY(!form().saveChanges());
    QCOMPARE(failed.count(), 1);
    QCOMPARE(MsgBox::shownTexts(),
             QStringList{QStringLiteral("SQL Server Error OR Database is not exists:QarvelDATA1999")});
    QVERIFY(w.loginForm()->isVisible());
    QVERIFY(w.loginForm()->firstTimePanelShowing());
    QCOMPARE(w.loginForm()->height(), TLogInForm::kFirstTimePanelHeight);
    // The file was written all the same.
    QVERIFY(QFile::exists(m_f->dataDir() + QLatin1String(DbSettings::kFileName)));
}

void TestDbOptions::loginWindowOpensTheSettings()
{
    TStoreForm &w = m_f->window();
    QVERIFY(w.loginForm()->firstTimePanelShowing());
    QTest::mouseClick(w.loginForm()->findChild<QPushButton *>("DbOptionsBtn"), Qt::LeftButton);
    QVERIFY(form().isVisible());
    QVERIFY(!w.loginForm()->findChild<QPushButton *>("RestoreBtn")->isEnabled());
}

QTEST_MAIN(TestDbOptions)
#include "tst_dboptions.moc"
