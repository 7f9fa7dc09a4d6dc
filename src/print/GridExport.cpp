#include "GridExport.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <xlsxwriter.h>

using namespace Print;

namespace {

QList<int> columnsOf(const GridTable &table, GridExport::Columns which)
{
    QList<int> out;
    for (int i = 0; i < table.columns.size(); ++i)
        if (which == GridExport::Columns::All
            || (table.columns[i].visible && table.columns[i].width > 0))
            out << i;
    return out;
}

const GridCell &cellOf(const QList<GridCell> &row, int c)
{
    static const GridCell empty{QString(), true};
    return c < row.size() ? row[c] : empty;
}

QString flat(QString s)
{
    s.replace(u'\t', u' ');
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

QString csvField(const QString &s)
{
    if (!s.contains(u',') && !s.contains(u'"') && !s.contains(u'\n') && !s.contains(u'\r')
        && s.trimmed() == s)
        return s;
    QString q = s;
    q.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

} // namespace

namespace GridExport {

QString toTsv(const GridTable &table, Columns columns)
{
    const QList<int> cols = columnsOf(table, columns);
    QStringList lines;
    QStringList fields;
    for (int c : cols)
        fields << flat(table.columns[c].title);
    lines << fields.join(u'\t');
    for (const QList<GridCell> &row : table.rows) {
        fields.clear();
        for (int c : cols) {
            const GridCell &cell = cellOf(row, c);
            fields << (cell.isNull ? QStringLiteral(" ") : flat(cell.text));
        }
        lines << fields.join(u'\t');
    }
    return lines.join(u'\n');
}

QByteArray toCsv(const GridTable &table, Columns columns)
{
    const QList<int> cols = columnsOf(table, columns);
    QString out;
    QStringList fields;
    for (int c : cols)
        fields << csvField(table.columns[c].title);
    out += fields.join(u',') + QStringLiteral("\r\n");
    for (const QList<GridCell> &row : table.rows) {
        fields.clear();
        for (int c : cols) {
            const GridCell &cell = cellOf(row, c);
            fields << (cell.isNull ? QString() : csvField(cell.text));
        }
        out += fields.join(u',') + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

QList<QStringList> parseCsv(const QByteArray &csv)
{
    QByteArray bytes = csv;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QString s = QString::fromUtf8(bytes);
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false, any = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar ch = s[i];
        if (quoted) {
            if (ch == u'"') {
                if (i + 1 < s.size() && s[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += ch;
            }
            continue;
        }
        any = true;
        if (ch == u'"') {
            quoted = true;
        } else if (ch == u',') {
            row << field;
            field.clear();
        } else if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\r' && i + 1 < s.size() && s[i + 1] == u'\n')
                ++i;
            row << field;
            field.clear();
            rows << row;
            row.clear();
            any = false;
        } else {
            field += ch;
        }
    }
    if (any || !field.isEmpty() || !row.isEmpty()) {
        row << field;
        rows << row;
    }
    return rows;
}

bool writeCsv(const GridTable &table, const QString &fileName, QString *error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(toCsv(table)) < 0 || !file.commit()) {
        if (error)
            *error = QCoreApplication::translate("GridExport", "Cannot write the file %1: %2")
                         .arg(fileName, file.errorString());
        return false;
    }
    return true;
}

bool writeXlsx(const GridTable &table, const QString &fileName, const QString &sheetName,
               QString *error)
{
    auto failed = [&](const QString &why) {
        if (error)
            *error = QCoreApplication::translate("GridExport", "Cannot write the file %1: %2")
                         .arg(fileName, why);
        return false;
    };
    const QByteArray path = QFile::encodeName(fileName);
    lxw_workbook *book = workbook_new(path.constData());
    if (!book)
        return failed(
            QCoreApplication::translate("GridExport", "the workbook could not be created"));
    // Sheet names are at most 31 characters and exclude a few symbols.
    QString name = sheetName.trimmed();
    for (const QChar bad : {u'[', u']', u':', u'*', u'?', u'/', u'\\'})
        name.replace(bad, u' ');
    name = name.left(31).trimmed();
    const QByteArray sheetUtf8 = name.toUtf8();
    lxw_worksheet *sheet =
        workbook_add_worksheet(book, name.isEmpty() ? nullptr : sheetUtf8.constData());
    if (!sheet)
        sheet = workbook_add_worksheet(book, nullptr);
    if (table.rightToLeft)
        worksheet_right_to_left(sheet);
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);

    const QList<int> cols = columnsOf(table, Columns::Shown);
    lxw_error status = LXW_NO_ERROR;
    auto keep = [&status](lxw_error e) {
        if (status == LXW_NO_ERROR && e != LXW_NO_ERROR)
            status = e;
    };
    for (int k = 0; k < cols.size(); ++k) {
        const GridColumn &c = table.columns[cols[k]];
        // Excel's column width is in characters of about 7 pixels.
        keep(worksheet_set_column(sheet, lxw_col_t(k), lxw_col_t(k), c.width / 7.0, nullptr));
        keep(worksheet_write_string(sheet, 0, lxw_col_t(k), c.title.toUtf8().constData(), bold));
    }
    for (int r = 0; r < table.rows.size(); ++r) {
        for (int k = 0; k < cols.size(); ++k) {
            const GridCell &cell = cellOf(table.rows[r], cols[k]);
            if (cell.isNull)
                continue;
            const lxw_row_t row = lxw_row_t(r + 1);
            if (cell.numeric)
                keep(worksheet_write_number(sheet, row, lxw_col_t(k), cell.number, nullptr));
            else
                keep(worksheet_write_string(sheet, row, lxw_col_t(k),
                                            cell.text.toUtf8().constData(), nullptr));
        }
    }
    const lxw_error closed = workbook_close(book);
    if (status != LXW_NO_ERROR)
        return failed(QString::fromUtf8(lxw_strerror(status)));
    if (closed != LXW_NO_ERROR)
        return failed(QString::fromUtf8(lxw_strerror(closed)));
    return true;
}

} // namespace GridExport
