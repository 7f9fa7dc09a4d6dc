#include "Clock.h"

#include <atomic>

namespace {
QDateTime g_fixed;
std::atomic_bool g_isFixed{false};
} // namespace

QDateTime Clock::now()
{
    return g_isFixed ? g_fixed : QDateTime::currentDateTime();
}

void Clock::setNow(const QDateTime &fixed)
{
    g_fixed = fixed;
    g_isFixed = true;
}

void Clock::reset()
{
    g_isFixed = false;
    g_fixed = {};
}
