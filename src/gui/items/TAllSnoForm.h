#pragma once

#include "items/SerialNumbers.h"

#include <QDialog>

class QListWidget;
class QPushButton;
class QTableWidget;
class TDataFormSQL;

// The serial numbers of one document: a table of item id, serial, code and
// description, and on request the list grouped by item.
class TAllSnoForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAllSnoForm(TDataFormSQL &data, QWidget *parent = nullptr);

    // Reads the document's serials; false (after a message) when the
    // database did not answer.
    bool load(DocKind kind, int invId);
    // Loads and shows the window modally.
    static void showDocument(QWidget *parent, TDataFormSQL &data, DocKind kind, int invId);

    const QList<DocumentSerial> &serials() const { return m_rows; }
    // The second button: fills the grouped list.
    void showGrouped();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    TDataFormSQL &m_data;
    QList<DocumentSerial> m_rows;
    QTableWidget *m_grid = nullptr;
    QListWidget *m_grouped = nullptr;
    QPushButton *m_close = nullptr;
    QPushButton *m_group = nullptr;
};
