#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDataFormSQL;
class TGetItemForm;

// The item editor: a window on top of the main window that inserts a new
// item or changes the current one. Cancel closes it without a change.
class TNewItemForm : public QDialog
{
    Q_OBJECT
public:
    explicit TNewItemForm(TDataFormSQL &data, QWidget *parent = nullptr);

    // Insert mode: the year check, then every field empty and the kind
    // preset to the first kind. False when the year check refused.
    bool openInsert();
    // Edit mode for an item: the year check and the change guard, then the
    // fields of the item. False when refused.
    bool openEdit(int itemId);

    bool isInserting() const { return m_itemId == 0; }
    int itemId() const { return m_itemId; }
    TGetItemForm *picker() const { return m_picker; }

    // "Save": the checks, then the statement. True when saved.
    bool save();

signals:
    void saved(int itemId);

protected:
    void changeEvent(QEvent *event) override;

private:
    void build();
    void retranslate();
    void loadKinds();
    void clearFields();
    void codeChanged();
    void kindChosen(int index);
    void partOfChanged();
    void focusField(QLineEdit *edit);

    TDataFormSQL &m_data;
    TGetItemForm *m_picker = nullptr;
    int m_itemId = 0;

    QLabel *m_toId = nullptr;
    QLineEdit *m_code = nullptr;
    QLineEdit *m_description = nullptr;
    QComboBox *m_kindList = nullptr;
    QLineEdit *m_kindName = nullptr;
    QLineEdit *m_price = nullptr;
    QLineEdit *m_min = nullptr;
    QLineEdit *m_location = nullptr;
    QLineEdit *m_size = nullptr;
    QLineEdit *m_note = nullptr;
    QCheckBox *m_isService = nullptr;
    QLineEdit *m_quickKey = nullptr;
    QLineEdit *m_partCount = nullptr;
    QLineEdit *m_ofItemId = nullptr;
    QLineEdit *m_ofItemCode = nullptr;
    QLineEdit *m_ofItemDescription = nullptr;
    QPushButton *m_change = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QLabel *m_labels[11] = {};
};
