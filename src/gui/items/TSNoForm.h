#pragma once

#include "items/SerialNumbers.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QWidget;
class TDataFormSQL;

// The serial-number editor ("SNo") of a document line or an opening-stock
// row: one row per unit of the quantity under a first row that names the
// document. For lines that take goods out of stock the rows are read-only
// and the serials come from the list of those in stock ("<" takes the
// selected one, ">" gives the current row back; each saves at once).
class TSNoForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSNoForm(TDataFormSQL &data, QWidget *parent = nullptr);

    // Loads the owner's rows. False (and the editor stays closed) when the
    // quantity gives no rows or the owner cannot be read.
    bool openLine(DocKind kind, int lineId, bool products = false);
    bool openOpeningStock(int fgoodId);
    bool openOwner(const SerialOwner &owner);

    // Opens the editor modally; true when a save happened.
    static bool editLine(QWidget *parent, TDataFormSQL &data, DocKind kind, int lineId,
                         bool products = false);
    static bool editOpeningStock(QWidget *parent, TDataFormSQL &data, int fgoodId);

    const SerialOwner &owner() const { return m_owner; }
    // The unit rows as they stand (without the first row).
    QStringList rows() const;
    bool savedOnce() const { return m_savedOnce; }

    // "Save": the duplicate check, the year check and the change guard,
    // then the whole set is replaced. True when saved (the editor closes).
    bool save();
    // "<" and ">": change the rows, save and load again.
    bool takeSelected();
    bool giveBackCurrent();

signals:
    void saved();

protected:
    void changeEvent(QEvent *event) override;

private:
    void build();
    void retranslate();
    void setRows(const QStringList &rows);
    void checkDuplicates();
    bool store(const QStringList &rows);

    TDataFormSQL &m_data;
    SerialNumbers m_serials;
    SerialOwner m_owner;
    bool m_confirmed = false; // the change guard passed for this owner
    bool m_savedOnce = false;
    bool m_filling = false;

    QTableWidget *m_grid = nullptr;
    QLabel *m_error = nullptr;
    QWidget *m_stockPanel = nullptr;
    QLabel *m_stockTitle = nullptr;
    QListWidget *m_stock = nullptr;
    QPushButton *m_take = nullptr;
    QPushButton *m_give = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
};
