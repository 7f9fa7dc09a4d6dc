#pragma once

#include "DbEngine.h"
#include "SqlDialect.h"

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <memory>

class TTransaction;

// The data module: owns the one connection to the open year database, the
// scratch query sql1 through which ad-hoc statements run, the engine
// dialect and the wait-panel progress. Every statement takes its values as
// bound parameters; user text never becomes part of the SQL text.
class TDataFormSQL : public QObject
{
    Q_OBJECT
public:
    explicit TDataFormSQL(QObject *parent = nullptr);
    ~TDataFormSQL() override;

    // The data module of the running program (the last one created).
    static TDataFormSQL *current();

    // -- connection
    // Opens the year database described by params (closing any other).
    // On failure returns false; lastErrorText() tells why.
    bool OpenDB(const ConnectionParams &params);
    void CloseDB();
    bool isOpen() const;
    QSqlDatabase database() const;
    const ConnectionParams &params() const { return m_params; }
    const SqlDialect &dialect() const { return *m_dialect; }
    DbEngine engine() const { return m_params.engine; }

    // Scratch tables (connection-local) and the shared datasets.
    void OpenTables();
    void CloseTables();

    // -- statements
    // Runs one statement with bound values on sql1. Returns success; the
    // error text stays in lastErrorText(). A result set, if any, is read
    // from sql1() right after the call.
    bool DoSqlNEW(const QString &sql, const QVariantList &values = {});
    QSqlQuery &sql1() { return *m_sql1; }
    // Runs a statement on a query of the caller (e.g. one bound to a model).
    bool DoSql(QSqlQuery &query, const QString &sql, const QVariantList &values = {});
    // A fresh query, already executed. ok (if given) tells success.
    QSqlQuery exec(const QString &sql, const QVariantList &values = {}, bool *ok = nullptr);
    // First column of the first row, or an invalid QVariant.
    QVariant scalar(const QString &sql, const QVariantList &values = {}, bool *ok = nullptr);
    QString lastErrorText() const { return m_lastError; }

    bool TableExists(const QString &table);
    bool ColumnExists(const QString &table, const QString &column);

    // Reseeds the identity of table.column to its current maximum, so the
    // next row takes max + 1; with no rows the next row takes emptyValue.
    bool ResetSeed(const QString &column, const QString &table, int emptyValue = 1);

    // Date values for bound parameters. The text form is the program's
    // display format "dd/mm/yyyy" with an optional "hh:nn[:ss]"; a text that
    // is no date gives an invalid QVariant (binds as NULL).
    QVariant ToSqlDate(const QString &displayText) const;
    QVariant ToSqlDate(const QDateTime &value) const;
    QVariant ToSqlDate(const QDate &value) const;
    QVariant boolValue(bool value) const { return m_dialect->boolValue(value); }
    QDateTime toDateTime(const QVariant &stored) const { return SqlDialect::toDateTime(stored); }

    // -- transactions (see TTransaction)
    bool beginTransaction();
    bool commitTransaction();
    bool rollbackTransaction();
    int transactionDepth() const { return m_txDepth; }

    // -- wait panel
    // Advances the wait panel and lets the window repaint.
    void IncGauge(const QString &caption);
    void hideGauge();

signals:
    void gaugeStep(const QString &caption);
    void gaugeHidden();
    void connectionChanged();
    // The connection is about to close: drop queries prepared on it.
    void aboutToClose();

private:
    bool runOn(QSqlQuery &query, const QString &sql, const QVariantList &values);
    void createScratchTables();

    ConnectionParams m_params;
    std::unique_ptr<SqlDialect> m_dialect;
    QString m_connectionName;
    std::unique_ptr<QSqlQuery> m_sql1;
    QString m_lastError;
    int m_txDepth = 0;
    TDataFormSQL *m_previous = nullptr;
};

// RAII transaction: rolls back unless commit() was called. Nested guards
// use savepoints, so a helper that opens its own guard can be called from
// inside a larger operation.
class TTransaction
{
public:
    explicit TTransaction(TDataFormSQL &data);
    ~TTransaction();
    TTransaction(const TTransaction &) = delete;
    TTransaction &operator=(const TTransaction &) = delete;

    bool isActive() const { return m_active; }
    bool commit();
    void rollback();

private:
    TDataFormSQL &m_data;
    bool m_active = false;
};
