#pragma once

#include <QObject>

class DocumentsPage;
class QPushButton;
class SerialDisplay;
class TDataFormSQL;

// The serial numbers on the documents page: the grid under the lines
// (ItemSNoGrd) follows the current line, "Item SNO" (ItemSnoBtn) edits the
// serials of the current line and "Invoice SNO" (BitBtn3) lists those of
// the current document. The page places the three widgets in its layout.
class DocumentSerials : public QObject
{
    Q_OBJECT
public:
    DocumentSerials(DocumentsPage &page, TDataFormSQL &data);

    SerialDisplay *display() const { return m_display; }
    QPushButton *itemSnoButton() const { return m_itemSno; }
    QPushButton *invoiceSnoButton() const { return m_invoiceSno; }

    // "Item SNO": the editor of the current line, then the grid again.
    void ItemSnoBtnClick();
    // "Invoice SNO": the serial numbers of the current document.
    void BitBtn3Click();
    // The current line changed (or its contents moved): the grid and the
    // buttons follow.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();

    DocumentsPage &m_page;
    TDataFormSQL &m_data;
    SerialDisplay *m_display = nullptr;
    QPushButton *m_itemSno = nullptr;
    QPushButton *m_invoiceSno = nullptr;
};
