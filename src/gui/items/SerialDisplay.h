#pragma once

#include "items/SerialNumbers.h"

#include <QTableWidget>

class TDataFormSQL;

// The small grid under the lines that shows the serial numbers of the
// current line (or opening-stock row); it is visible only while there are
// any. Placeholders of units not yet numbered are never shown.
class SerialDisplay : public QTableWidget
{
    Q_OBJECT
public:
    // objectName: "ItemSNoGrd" on the documents page, "ItemSNoGrdOld" on
    // the opening-stock page.
    explicit SerialDisplay(TDataFormSQL &data, QWidget *parent = nullptr,
                           const QString &objectName = QStringLiteral("ItemSNoGrd"));

    // The current line changed (0: no current line).
    void setLine(DocKind kind, int lineId, bool products = false);
    void setOpeningStockRow(int fgoodId);
    void setOwner(const SerialOwner &owner);
    // Reads the serials of the same owner again (after the editor closed).
    void refresh();
    void clearOwner();

    const SerialOwner &owner() const { return m_owner; }
    QStringList serials() const { return m_listed; }

protected:
    void changeEvent(QEvent *event) override;

private:
    TDataFormSQL &m_data;
    SerialOwner m_owner;
    QStringList m_listed;
};
