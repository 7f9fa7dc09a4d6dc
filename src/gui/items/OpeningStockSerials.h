#pragma once

#include <QObject>

class OpeningStockPage;
class QPushButton;
class SerialDisplay;
class TDataFormSQL;

// The serial numbers on the opening-stock sub-page: the grid ItemSNoGrdOld
// follows the current row, "Item SNO" (ItemSnoOldBtn) edits its serials.
// The page places the two widgets in its layout.
class OpeningStockSerials : public QObject
{
    Q_OBJECT
public:
    OpeningStockSerials(OpeningStockPage &page, TDataFormSQL &data);

    SerialDisplay *display() const { return m_display; }
    QPushButton *itemSnoButton() const { return m_itemSno; }

    void ItemSnoOldBtnClick();
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OpeningStockPage &m_page;
    TDataFormSQL &m_data;
    SerialDisplay *m_display = nullptr;
    QPushButton *m_itemSno = nullptr;
};
