#pragma once

// Runs a qarvel-admin command in-process (tests that link qarvel_admin_lib).

#include "AdminCommands.h"

#include <QStringList>
#include <QTextStream>

struct AdminRun
{
    int status = -1;
    QString out, err;
};

inline AdminRun admin(const QStringList &args)
{
    AdminRun r;
    QTextStream out(&r.out), err(&r.err);
    r.status = AdminCommands(out, err).run(args);
    out.flush();
    err.flush();
    return r;
}
