#pragma once

#include "PrintDesign.h"

#include <QDialog>
#include <QMap>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QWidget;

// "Print Design": every value of the print design, the two presets, the
// fonts and the logo. Each value's control is named as its option key
// names it ("InvNoLeftEd", "PrintHeaderChk"); nothing is applied until
// "Close".
class TDesForm : public QDialog
{
    Q_OBJECT
public:
    explicit TDesForm(QWidget *parent = nullptr);

    // Design -> controls and back.
    void showDesign(const PrintDesign &design);
    void collect(PrintDesign &design) const;

    // The control of a design value ("InvNoChk.Checked" -> the check box).
    QWidget *control(const QString &name) const;

public slots:
    void DesFormOkBtnClick();
    void DefaultBtnClick();
    void LoadDefOstrelBtnClick();
    void SpeedButtonClick(int group);
    void BitBtn2Click();
    void RRchkClick();
    void PrintHeaderChkClick();
    void ShadowTAmountClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void FormClose();
    bool askLoadDefaults();
    void LoadDefault();
    void LoadDefaultOstrel();
    void showTexts(const PrintDesign &design);
    void showLogo(const QImage &logo);
    void retranslate();
    void build();

    QTabWidget *m_tabs = nullptr;
    QMap<QString, QWidget *> m_controls; // design value name -> control
    QMap<QString, PrintDesign::Font> m_fonts;
    QImage m_logo;
    QLabel *m_logoLB = nullptr;
    QWidget *m_headerPanel = nullptr;
    QLabel *m_shadowSample = nullptr;
    QMap<QString, QLabel *> m_captions;
    QList<QToolButton *> m_fontButtons;
};
