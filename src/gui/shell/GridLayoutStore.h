#pragma once

#include <QString>
#include <QStringList>

class QTableView;

// Sizes of the program's grids kept with the options: each grid has a key
// ("BillGRD", "DiaryForm.DiarySG1") and the options
//   key + ".width", key + ".Height"           the size of the grid
//   key + ".columns[" + i + "].width"         the width of column i
// Every attached grid also takes the options "Frame Width" and "Row Height",
// and its columns may be resized but not reordered: a column dragged to
// another place is put back at once.
namespace GridLayoutStore {

// Registers view under key (until the view is destroyed) and applies the
// options to it now and whenever its columns change.
void attach(QTableView *view, const QString &key);
void detach(QTableView *view);
QString keyOf(const QTableView *view);
QStringList attachedKeys();

QString columnKey(const QString &key, int column);

// options -> grid. A stored width that is no number gives 200; a missing
// one leaves the grid as it is.
void load(QTableView *view, const QString &key);
// grid -> options (the grid's own size only once it has been shown).
void save(QTableView *view, const QString &key);
// "Frame Width" and "Row Height" of the options.
void applyLook(QTableView *view);

// Every attached grid.
void loadAll();
void applyLookToAll();
void saveAll();

// The texts that grids show for yes/no values: yes text + ";" + no text.
void setBoolTexts(const QString &yesAndNo);
QString boolTexts();
QString boolText(bool value);

} // namespace GridLayoutStore
