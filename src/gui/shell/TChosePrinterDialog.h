#pragma once

#include <QDialog>

class QListWidget;
class QLabel;

// The printer chooser of the options window: the printers installed on
// this workstation, one of which becomes the invoice, display or barcode
// printer (the kind says which field asked).
class TChosePrinterDialog : public QDialog
{
    Q_OBJECT
public:
    enum Kind { DisplayPrinter = 1, InvoicePrinter = 2, BarcodePrinter = 3 };

    TChosePrinterDialog(int kind, const QString &current, QWidget *parent = nullptr);

    int kind() const { return m_kind; }
    // The chosen printer name; empty when none is selected.
    QString chosen() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    int m_kind;
    QLabel *m_title = nullptr;
    QListWidget *m_list = nullptr;
};
