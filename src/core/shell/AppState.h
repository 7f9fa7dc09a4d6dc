#pragma once

#include <QDate>
#include <QString>

// The program's global state: one owner object, read by every part of the
// program. Each value has one place that sets it (noted beside it).
class AppState
{
public:
    static AppState &instance();

    bool IsArabic = false;          // language manager
    int CurYear = 1000;             // fiscal year of the open year database
    int ThisYear = 0;               // calendar year of today's date
    QDate WorkDate;                 // default date of new entries
    QString DataPrefix = QStringLiteral("DATA"); // company prefix
    bool IsServer = false;          // data module: runs beside the database
    int DateOrder = 1;              // data module: 1 day first, 2 month first
    int CurUID = 0;                 // logged-in user, 0 when nobody
    int CurUKind = 0;
    QString CurUserName;
    bool IsAdminSession = false;
    QString SupervisorPassword;
    QString AppDir;                 // data folder, ends in a separator
    bool FirstShow = true;          // true until the first show completes
    bool DataChanged = true;        // stock is stale
    bool Restarting = false;        // closing to start again: no questions

    // ThisYear from the clock, then WorkDate from CurYear (see recomputeWorkDate).
    void refreshToday();
    // Today's date, moved by (CurYear - ThisYear) years.
    void recomputeWorkDate();
    // Only the current calendar year may be changed.
    bool isCurrentYear() const { return CurYear == ThisYear; }
    // "Qarvel" + prefix + four-digit year.
    QString yearDatabaseName() const;

    void resetForTests();
};

inline AppState &appState() { return AppState::instance(); }
