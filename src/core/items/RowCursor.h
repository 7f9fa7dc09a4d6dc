#pragma once

#include "data/TDataFormSQL.h"

#include <QSqlQuery>

#include <functional>
#include <optional>
#include <vector>

// A long list read in steps: one query, opened once and kept open, from
// which every step takes the next rows. Between the steps the window keeps
// painting; the database sorts the list only once.
template<typename Row>
class RowCursor
{
public:
    using Reader = std::function<Row(const QSqlQuery &)>;

    // Runs the statement. False when the database refused (failed() then).
    bool open(TDataFormSQL &data, const QString &sql, const QVariantList &values, Reader reader)
    {
        close();
        m_reader = std::move(reader);
        bool ok = false;
        m_query.emplace(data.exec(sql, values, &ok));
        m_failed = !ok;
        m_open = ok;
        if (!ok)
            m_error = data.lastErrorText();
        return ok;
    }

    // Appends up to `max` rows to out; returns how many. The cursor closes
    // itself after the last row.
    int fetch(std::vector<Row> &out, int max)
    {
        int n = 0;
        while (m_open && n < max) {
            if (!m_query->next()) {
                close();
                break;
            }
            out.push_back(m_reader(*m_query));
            ++n;
        }
        return n;
    }

    void close()
    {
        m_open = false;
        if (m_query)
            m_query->finish();
        m_query.reset();
    }

    bool isOpen() const { return m_open; }
    bool failed() const { return m_failed; }
    QString error() const { return m_error; }

private:
    std::optional<QSqlQuery> m_query;
    Reader m_reader;
    bool m_open = false;
    bool m_failed = false;
    QString m_error;
};
