#pragma once

#include "DbSettings.h"

#include <QString>
#include <functional>

class TDataFormSQL;

// Opening the year database at start-up: up to three attempts, each reading
// dbOptions.txt afresh; between attempts a short, bounded pause that keeps
// the window alive.
struct StartupOpen
{
    int attempts = 3;
    int pauseMs = 1000;          // between attempts; tests set 0
    // Counter text for the window ("Try to open DB: 2 / 3   wait: 4 / 100").
    std::function<void(const QString &)> progress;

    struct Result
    {
        bool ok = false;
        bool createdFirstYear = false; // embedded: first start on an empty data folder
        QString database;
        QString message;               // failure text to show, or the creation notice
    };

    // dataDir: the data folder (AppDir). On the embedded engine, when the
    // folder holds no year database at all, the current year of company
    // "DATA" is created from the template.
    Result run(TDataFormSQL &data, const QString &dataDir, DbSettings *settingsOut = nullptr) const;
};
