#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TChangePassForm;
}

class TDataFormSQL;

// The logged-in user changes his own password: the old one, the new one
// and its confirmation.
class TChangePassForm : public QDialog
{
    Q_OBJECT
public:
    explicit TChangePassForm(TDataFormSQL &data, QWidget *parent = nullptr);
    ~TChangePassForm() override;

    static QString wrongPasswordMessage(); // "Wrong Password"

signals:
    void passwordChanged(int uid);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void ChangeBtnClick();
    void clearFields();

    TDataFormSQL &m_data;
    std::unique_ptr<Ui::TChangePassForm> m_ui;
};
