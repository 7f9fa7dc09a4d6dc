#pragma once

#include "shell/Users.h"

#include <QDialog>
#include <QList>
#include <QVector>

#include <memory>
#include <optional>

namespace Ui {
class TUsersForm;
}

class QListWidgetItem;
class TDataFormSQL;

// The users of the program: the list of login names, the page rights of
// the selected user (written at once when a check changes), the user's
// settings, and the buttons to add, edit and delete users.
class TUsersForm : public QDialog
{
    Q_OBJECT
public:
    explicit TUsersForm(TDataFormSQL &data, QWidget *parent = nullptr);
    ~TUsersForm() override;

    // Reads the users again and selects uid (0: the row that was current).
    void reload(int selectUid = 0);
    std::optional<Users::User> currentUser() const;
    void selectUser(int uid);
    // The pages ticked in the rights list, in page order.
    QVector<bool> checkedPages() const;

    static QString deleteQuestion(const QString &name);

signals:
    void addRequested(const QVector<bool> &rights);
    void editRequested(const Users::User &user, const QVector<bool> &rights);
    // "Print the password as a barcode": the selected user's decoded password.
    void printPasswordRequested(const QString &password);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fillRights();
    void captionRights();
    void showUser(int row);
    void RightsListChange(QListWidgetItem *item);
    void DelBtnClick();

    TDataFormSQL &m_data;
    std::unique_ptr<Ui::TUsersForm> m_ui;
    QList<Users::User> m_users;
    bool m_loading = false;
};
