#pragma once

// A data folder with a year database, and the main window started on it
// the way the program starts: the data module and the window are made,
// the window is shown and the start-up runs. Message boxes answer from
// MsgBox's queue; the restart launcher and the power-off are recorders.

#include "TestDb.h"

#include "data/DbSettings.h"
#include "data/TDataFormSQL.h"
#include "data/YearDatabases.h"
#include "shell/AppState.h"
#include "shell/Clock.h"
#include "shell/FileDialogs.h"
#include "shell/MsgBox.h"
#include "shell/TStoreForm.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class StoreFixture
{
public:
    static constexpr int kYear = 2026;

    explicit StoreFixture(DbEngine engine = DbEngine::SQLite)
        : m_engine(engine)
    {
        Clock::setNow(QDateTime(QDate(kYear, 12, 10), QTime(9, 30)));
        appState().resetForTests();
        appState().AppDir = dataDir();
        MsgBox::clearQueues();
        MsgBox::clearShown();
        FileDialogs::clearQueues();
        FileDialogs::clearAsked();

        m_server = TestDb::serverParams(engine, dataDir());
        if (engine == DbEngine::PostgreSQL) {
            // A company prefix of its own keeps parallel tests apart on the
            // shared server.
            YearDatabases::parseName(TestDb::uniqueName(kYear), &m_prefix, nullptr);
            appState().DataPrefix = m_prefix;
            DbSettings settings;
            settings.server = QStringLiteral("%1:%2").arg(m_server.host).arg(m_server.port);
            settings.user = m_server.user;
            settings.password = m_server.password;
            settings.save(dataDir() + QLatin1String(DbSettings::kFileName));
        }
    }

    ~StoreFixture()
    {
        stop();
        for (const ConnectionParams &p : std::as_const(m_created))
            YearDatabases::drop(p);
        MsgBox::clearQueues();
        Clock::reset();
    }

    QString dataDir() const { return m_dir.path() + QLatin1Char('/'); }

    ConnectionParams yearParams(int year = kYear) const
    {
        ConnectionParams p = m_server;
        p.database = YearDatabases::databaseName(m_prefix, year);
        return p;
    }

    // Creates the year database of `year` from the template.
    bool createYear(int year = kYear)
    {
        const ConnectionParams p = yearParams(year);
        QString error;
        if (!YearDatabases::create(p, &error)) {
            qWarning("create %s: %s", qPrintable(p.database), qPrintable(error));
            return false;
        }
        m_created << p;
        return true;
    }

    // Runs one statement on the year database through a connection of its own.
    bool exec(const QString &sql, const QVariantList &values = {}, int year = kYear)
    {
        TDataFormSQL own;
        if (!own.OpenDB(yearParams(year)))
            return false;
        const bool ok = own.DoSqlNEW(sql, values);
        if (!ok)
            qWarning("%s: %s", qPrintable(sql), qPrintable(own.lastErrorText()));
        own.CloseDB();
        return ok;
    }

    QVariant scalar(const QString &sql, int year = kYear)
    {
        TDataFormSQL own;
        if (!own.OpenDB(yearParams(year)))
            return {};
        const QVariant value = own.scalar(sql);
        own.CloseDB();
        return value;
    }

    // A fresh program start. Returns whether the start-up reported success.
    bool start()
    {
        stop();
        appState().resetForTests();
        appState().DataPrefix = m_prefix;
        m_data = std::make_unique<TDataFormSQL>();
        m_window = std::make_unique<TStoreForm>(*m_data);
        m_window->startupOpen().pauseMs = 0;
        m_window->setRestartLauncher([this](const QString &program, const QStringList &) {
            launches << program;
            return true;
        });
        m_window->setPowerOff([this](int flags) {
            powerOffs << flags;
            return true;
        });
        QSignalSpy finished(m_window.get(), &TStoreForm::startupFinished);
        m_window->show();
        if (!finished.wait(30000)) {
            qWarning("the start-up did not finish");
            return false;
        }
        return finished.first().first().toBool();
    }

    void stop()
    {
        m_window.reset();
        m_data.reset();
    }

    // Makes the main window the active window (the login window may be on
    // top; being its parent, the main window counts as active already, so
    // wait for the application's active window itself).
    bool activate()
    {
        m_window->activateWindow();
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == m_window.get(); });
    }

    TStoreForm &window() { return *m_window; }
    TDataFormSQL &data() { return *m_data; }
    DbEngine engine() const { return m_engine; }

    QStringList launches;
    QList<int> powerOffs;

private:
    DbEngine m_engine;
    QString m_prefix = QStringLiteral("DATA");
    QTemporaryDir m_dir;
    ConnectionParams m_server;
    QList<ConnectionParams> m_created;
    std::unique_ptr<TDataFormSQL> m_data;
    std::unique_ptr<TStoreForm> m_window;
};

// Texts of the window's messages, as the tests look for them.
namespace Texts {
inline const QString exitQuestion = QStringLiteral("Are You Sure To EXIT program?");
inline const QString upgradeQuestion =
    QStringLiteral("It is new Version, You must Maitain DB, Do you like to do that now?");
inline const QString dbError = QStringLiteral("DB Error, Restart the Program");
} // namespace Texts
