#pragma once

#include <QStringList>
#include <QTextStream>

// qarvel-admin: headless maintenance of year databases, on the same data
// folder and settings file as the program.
class AdminCommands
{
public:
    AdminCommands(QTextStream &out, QTextStream &err);

    // arguments without the program name; returns the exit status
    int run(const QStringList &arguments);
    // The print command paints text: the program object must be a
    // QGuiApplication (on the offscreen platform).
    static bool needsGuiApplication(const QStringList &arguments);

private:
    int usage(int status);
    int listYears(const QStringList &args);
    int createYear(const QStringList &args);
    int upgrade(const QStringList &args);
    int query(const QStringList &args);
    int schema(const QStringList &args);
    int setConnection(const QStringList &args);
    int words(const QStringList &args);
    int stock(const QStringList &args);
    int generate(const QStringList &args);
    int importItems(const QStringList &args);
    int print(const QStringList &args);

    bool fail(const QString &message);

    QTextStream &m_out;
    QTextStream &m_err;
    QString m_dataDir;
};
