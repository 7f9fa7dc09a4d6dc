#pragma once

#include "shell/Users.h"

#include <QDialog>
#include <QVector>

#include <memory>

namespace Ui {
class TAddUserForm;
}

class QButtonGroup;
class QGroupBox;
class TDataFormSQL;

// Adds a user or edits one: the person's account, the login name, the
// kind, language, sale input and page style, the two point-of-sale flags
// and, when "Change Password" is on, the password twice.
class TAddUserForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAddUserForm(TDataFormSQL &data, QWidget *parent = nullptr);
    ~TAddUserForm() override;

    // A new user with the given page rights. With firstAdministrator the
    // kind is fixed at administrator (nobody may use the program yet).
    void openNew(const QVector<bool> &rights, bool firstAdministrator);
    // The user's account and login name stay as they are.
    void openEdit(const Users::User &user, const QVector<bool> &rights);

    bool isNewUser() const { return m_new; }
    // The UID written by the last save, 0 when nothing was saved.
    int savedUid() const { return m_savedUid; }
    int kind() const;

    static QString nameTakenMessage(); // "اسم المستخدم موجود مسبقاً"
    static QString badDataMessage();   // "خطأ في البيانات المدخلة"

signals:
    void saved(int uid);
    // The window closed, whether saved or not.
    void closed();

public slots:
    void done(int result) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    QButtonGroup *addChoices(QGroupBox *box, const QString &prefix, int count);
    void retranslate();
    void fillAccounts(int selectId, const QString &fallbackName = {});
    void prepare(const Users::User &user, bool isNew);
    void kindChanged(int kind);
    void AddNameBtnClick();
    void SaveBtnClick();

    TDataFormSQL &m_data;
    std::unique_ptr<Ui::TAddUserForm> m_ui;
    QButtonGroup *m_kind = nullptr;
    QButtonGroup *m_lang = nullptr;
    QButtonGroup *m_input = nullptr;
    QButtonGroup *m_style = nullptr;
    Users::User m_user;
    QVector<bool> m_rights;
    bool m_new = true;
    int m_savedUid = 0;
};
