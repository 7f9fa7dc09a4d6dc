#pragma once

#include "Report.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QVariant>

// A table as a grid shows it, without widgets: the columns in their
// on-screen order with their widths in screen pixels (96 per inch), titles,
// alignment and fonts, and the rows' cells. The grid printer lays it out as
// a banded report; the spreadsheet writers (GridExport.h) read it too.
namespace Print {

struct GridCell
{
    QString text;        // as shown
    bool isNull = false; // the field has no value
    bool numeric = false;
    double number = 0; // the value when numeric

    // A cell from a model's shown text and its value: numbers stay numbers
    // (also a shown text that is a plain number, but not a code with
    // leading zeros or a long digit string such as a barcode).
    static GridCell fromValue(const QVariant &display, const QVariant &value = QVariant());
};

struct GridColumn
{
    QString title;
    int width = 64; // screen pixels
    bool visible = true;
    Qt::Alignment titleAlignment = Qt::AlignLeft;
    Qt::Alignment alignment = Qt::AlignLeft;
    QFont titleFont = defaultFont(8, true);
    QFont font = defaultFont(8);
};

struct GridTable
{
    QList<GridColumn> columns;   // in on-screen order, hidden ones included
    QList<QList<GridCell>> rows; // one cell per column, same order
    bool rightToLeft = false;
};

struct GridPrintSetup
{
    bool portrait = true;
    bool rowRule = false; // a line under every data row
    QString heading;      // page heading and the print job's title
    QString footer;
    QString dateText;   // the print date at the left of the page header
    int frameWidth = 1; // F, pixels 1..5
    int rowHeight = 20; // H, pixels 10..40
};

namespace GridReport {

// Column slots of the layout: a grid with more printable columns prints
// its first ones.
constexpr int kMaxColumns = 13;

// Millimetres of a screen pixel at 96 per inch.
constexpr double pxToMm(double px)
{
    return px * 25.4 / 96.0;
}

// The columns that print: visible, wider than 0, the first kMaxColumns;
// indexes into table.columns.
QList<int> printedColumns(const GridTable &table);

// Width in pixels of the printed table (from the left edge to the frame
// after the last column).
int tableWidthPx(const GridTable &table, int frameWidth);

// True when the records run in two columns per page (the table takes at
// most half the printable width).
bool twoColumns(const GridTable &table, const GridPrintSetup &setup);

// The report: page header (date, heading, page number and the column
// titles), one detail band per record, a closing line and the footer.
// Cells are named "Title<k>" / "Cell<k>" for the k-th printed column
// ("Title<k>b" / "Cell<k>b" for the second column of records).
Report build(const GridTable &table, const GridPrintSetup &setup);

} // namespace GridReport
} // namespace Print
