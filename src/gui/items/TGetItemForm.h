#pragma once

#include <QDialog>

class CatalogueModel;
class QLineEdit;
class QPushButton;
class QTableView;
class TDataFormSQL;

// The item picker: a fresh copy of the items list with code and
// description and the same search as the catalogue page.
class TGetItemForm : public QDialog
{
    Q_OBJECT
public:
    explicit TGetItemForm(TDataFormSQL &data, QWidget *parent = nullptr);

    // Reads the list again and empties the search box.
    void prepare();
    int selectedItemId() const;
    CatalogueModel *model() const { return m_model; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    CatalogueModel *m_model = nullptr;
    QLineEdit *m_find = nullptr;
    QTableView *m_grid = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
