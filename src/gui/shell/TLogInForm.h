#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TLogInForm;
}

class QLineEdit;

// The login window: always on top, centred on the main window. It shows
// one of two panels: the user panel (login name and password) or the
// first-time panel (no administrator yet, or no database).
class TLogInForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kUserPanelHeight = 130;
    static constexpr int kFirstTimePanelHeight = 230;

    explicit TLogInForm(QWidget *parent = nullptr);
    ~TLogInForm() override;

    void showUserPanel();
    void showFirstTimePanel();
    bool firstTimePanelShowing() const;

    QLineEdit *userEdit() const;
    QLineEdit *passwordEdit() const;

    // Shows the window centred on its parent, on top, with the login name
    // focused.
    void present();
    // After a refused login: on top again with the password selected, so
    // that typing replaces it.
    void showLoginFailed();

    void retranslate();

signals:
    void loginRequested(const QString &userName, const QString &password);
    void addAdminRequested();
    void restoreRequested();
    void dbOptionsRequested();
    // The user closed the window (the program closes with it).
    void closeRequested();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void centre();

    std::unique_ptr<Ui::TLogInForm> m_ui;
};
