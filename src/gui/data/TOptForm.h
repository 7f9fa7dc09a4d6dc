#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TOptForm;
}

// The options window: the first numbers of the open year, the general
// options, backup and FTP settings, printer names and the texts grids show
// for yes/no values. Showing the window fills its controls from the
// options in memory; "OK" writes them back and applies them without saving
// (the options reach the database at the next save), "Back" closes and
// forgets the changes.
class TOptForm : public QDialog
{
    Q_OBJECT
public:
    explicit TOptForm(QWidget *parent = nullptr);
    ~TOptForm() override;

    // controls <- options
    void fromOptions();
    // options <- controls. A changed first number of a past year is
    // refused (the message is shown) and put back; returns false then.
    bool toOptions();

    // The first sale number may be edited only while somebody is logged
    // in; the advanced buttons are shown only then.
    void setLoggedIn(bool loggedIn);

    // yes text + ";" + no text
    QString yesNoTexts() const;

    void retranslate();

public slots:
    void OkBtnClick();
    void BackBtnClick();

signals:
    // "OK": the options in memory changed; apply them.
    void applied();
    void dbOptionsRequested();
    void maintainRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::TOptForm> m_ui;
};
