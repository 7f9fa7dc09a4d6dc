#pragma once

#include <QDate>
#include <QDateTime>

// The program's notion of "now". Every rule that depends on today's date
// (ThisYear, WorkDate, timers, default dates of new entries) asks this clock,
// so tests can fix the date with setNow() and later reset().
class Clock
{
public:
    static QDateTime now();
    static QDate today() { return now().date(); }

    static void setNow(const QDateTime &fixed); // tests: freeze the clock
    static void reset();                        // back to the system clock
};
