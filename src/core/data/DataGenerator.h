#pragma once

#include <QDate>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QMap>
#include <QString>

#include <functional>
#include <memory>

class TDataFormSQL;

// Fills an open year database with realistic trading data: item kinds and
// items (13-digit article codes with a valid check digit, 7-digit weighed
// items for the scale barcodes, services), customers, suppliers, employees
// and the walk-in "Cash" account, users, documents of all six kinds over the
// database's year, opening stock, vouchers and opening balances.
//
// The data depends only on the options (the seed included) and on what the
// database held before: the same options on the same starting database give
// the same rows. Identity values are written explicitly and the identities
// reseeded to the maxima afterwards, so the numbering continues as usual.
//
// Document totals are set by the program's own total rule
// TotalAmount = (100 + Discount) * sum(Amount1) / 100, computed by the
// database from the stored lines (no rounding: a later recomputation of a
// generated document leaves its total unchanged).
struct DataGeneratorOptions
{
    int items = 2000;
    int accounts = 200;    // accounts above the three system ones
    int documents = 0;     // 0: follows from the lines
    qint64 lines = 20000;  // document lines over all seven line tables
    int vouchers = 2000;   // payment and receipt vouchers together
    quint64 seed = 1;
    int year = 0;          // 0: the year of the database name (else this year)
    int batchRows = 20000; // rows per transaction
};

class DataGenerator
{
public:
    // stage: "items", "accounts", "documents", "vouchers", ...; done/total in rows
    using Progress = std::function<void(const QString &stage, qint64 done, qint64 total)>;

    struct Summary
    {
        QMap<QString, qint64> rows; // table -> rows written
        qint64 totalRows = 0;
        qint64 committedRows = 0;   // rows committed so far (they stay after a failure)
        qint64 elapsedMs = 0;
        int year = 0;
        QStringList notes;          // adjustments of the options, user logins
        QList<QPair<QString, qint64>> stageMs; // time of each step
    };

    DataGenerator(TDataFormSQL &data, const DataGeneratorOptions &options);
    ~DataGenerator();

    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // Generates everything. On failure returns false with the reason; the
    // batches committed before the failure stay in the database.
    bool run(QString *error = nullptr);
    const Summary &summary() const { return m_summary; }

    // Documents of any kind in the database (a generator run is refused then).
    static qint64 documentCount(TDataFormSQL &data, bool *ok = nullptr);

    // Article numbers
    static int ean13CheckDigit(const QString &first12);
    static bool isValidEan13(const QString &code);

private:
    struct Impl;
    TDataFormSQL &m_data;
    DataGeneratorOptions m_options;
    std::unique_ptr<Impl> d;
    Summary m_summary;
    Progress m_progress;
};
