#pragma once

#include "documents/DocumentKinds.h"

#include <QDateTime>
#include <QDialog>
#include <QHash>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TDataFormSQL;
class TNewNameForm;

// The header editor of a document: new (insert mode) or the current one
// (edit mode), for any document kind. The kind decides which fields show.
class TNewInvForm : public QDialog
{
    Q_OBJECT
public:
    enum Mode { Insert, Edit };

    explicit TNewInvForm(TDataFormSQL &data, QWidget *parent = nullptr);

    // Opens the editor. In edit mode the change guard asks first and the
    // fields are read from document invId. False when it stays closed.
    bool open(Mode mode, DocKind kind, int invId = 0);
    Mode mode() const { return m_mode; }
    DocKind kind() const { return m_kind; }

    // -- handlers
    void NameCBChange();
    void InvEdChange();
    void DiscountEDChange();
    void OkBtnClick();
    void NewNameBtnClick();
    void ChangeNameBtnClick();
    // Puts the current date and time into the date or start-time field.
    void putNow(QLineEdit *field);

    // The counterpart chosen (0 when none).
    int counterpart() const;
    bool canSave() const;

    static QString dateFormat() { return QStringLiteral("dd/MM/yyyy hh:mm:ss"); }
    static QDateTime readDate(const QString &text);
    // The supplier's number typed in any digits; ok false when it is none.
    static int readInvoiceNo(const QString &text, bool *ok);

signals:
    // A header was written: the new document (inserted) or the edited one.
    void saved(int invId, bool inserted);
    void closed();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    void loadNames(int selectId);
    void updateSave();
    void applyCashOnly();
    void finishSave();

    TDataFormSQL &m_data;
    Mode m_mode = Insert;
    DocKind m_kind = DocKind::Sale;
    int m_invId = 0;
    int m_storedCompany = 0;
    bool m_saving = false;
    QHash<int, bool> m_cashOnly;

    QLabel *m_nameLabel = nullptr;
    QComboBox *m_name = nullptr;
    QPushButton *m_newName = nullptr;
    QPushButton *m_changeName = nullptr;
    QLabel *m_noteLabel = nullptr;
    QLineEdit *m_note = nullptr;
    QLabel *m_invLabel = nullptr;
    QLineEdit *m_invNo = nullptr;
    QGroupBox *m_cashBox = nullptr;
    QRadioButton *m_cash = nullptr;
    QRadioButton *m_debit = nullptr;
    QLabel *m_dateLabel = nullptr;
    QLineEdit *m_date = nullptr;
    QLabel *m_startLabel = nullptr;
    QLineEdit *m_start = nullptr;
    QGroupBox *m_discountBox = nullptr;
    QRadioButton *m_discount = nullptr;
    QRadioButton *m_commission = nullptr;
    QLineEdit *m_percent = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    TNewNameForm *m_nameForm = nullptr;
};
