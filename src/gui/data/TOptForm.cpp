#include "TOptForm.h"

#include "ui_TOptForm.h"

#include "accounts/TMoneyForm.h"
#include "print/TDesForm.h"
#include "pos/CustomerDisplay.h"
#include "shell/GridLayoutStore.h"
#include "shell/PickDialogs.h"
#include "shell/TChosePrinterDialog.h"
#include "shell/Options.h"
#include "shell/YearGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSerialPortInfo>
#include <QLineEdit>
#include <QShowEvent>
#include <QSpinBox>
#include <QTimeEdit>

namespace {

QString key(const char *k)
{
    return QString::fromLatin1(k);
}

QTime parseTime(const QString &text)
{
    for (const char *format : {"H:mm:ss", "H:mm"}) {
        const QTime t = QTime::fromString(text.trimmed(), QString::fromLatin1(format));
        if (t.isValid())
            return t;
    }
    return {};
}

} // namespace

TOptForm::TOptForm(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::TOptForm>())
{
    m_ui->setupUi(this);
    connect(m_ui->OkBtn, &QPushButton::clicked, this, &TOptForm::OkBtnClick);
    connect(m_ui->BackBtn, &QPushButton::clicked, this, &TOptForm::BackBtnClick);
    connect(m_ui->ChangeDbBtn, &QPushButton::clicked, this, &TOptForm::dbOptionsRequested);
    connect(m_ui->MaintainBtn, &QPushButton::clicked, this, &TOptForm::maintainRequested);
    m_ui->DesignBtn->setEnabled(true);
    connect(m_ui->DesignBtn, &QPushButton::clicked, this, [this] {
        // A fresh window each time shows the design as it stands now.
        auto *design = new TDesForm(parentWidget() ? parentWidget() : this);
        design->setAttribute(Qt::WA_DeleteOnClose);
        design->show();
        design->raise();
        design->activateWindow();
    });
    m_ui->MoneyBtn->setEnabled(true);
    connect(m_ui->MoneyBtn, &QPushButton::clicked, this, [this] { openMoneyForm(this); });
    connect(m_ui->ChangeDisplayBtn, &QPushButton::clicked, this, [this] {
        if (const auto name = PickDialogs::printer(this, TChosePrinterDialog::DisplayPrinter,
                                                   m_ui->PrinterDisplayNoED->text()))
            m_ui->PrinterDisplayNoED->setText(*name);
    });
    connect(m_ui->DeleteDisplayBtn, &QPushButton::clicked, m_ui->PrinterDisplayNoED, &QLineEdit::clear);
    connect(m_ui->MemoDisplayBtn, &QPushButton::clicked, this,
            [this] { m_ui->PrinterDisplayNoED->setText(QString::fromLatin1(DisplayKeys::MemoName)); });
    for (int baud : {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200})
        m_ui->PoleDisplayBaudCB->addItem(QString::number(baud), baud);
    m_ui->OkBtn->setDefault(true);
    setLoggedIn(false);
    fromOptions();
}

TOptForm::~TOptForm() = default;

void TOptForm::setLoggedIn(bool loggedIn)
{
    m_ui->FirstBillNo->setReadOnly(!loggedIn);
    m_ui->AdvancedPanel->setVisible(loggedIn);
}

void TOptForm::fromOptions()
{
    const Options &o = options();
    const auto edit = [&o](QLineEdit *e, const char *k) { e->setText(o.text(key(k))); };
    const auto check = [&o](QCheckBox *c, const char *k) { c->setChecked(o.isOn(key(k))); };
    const auto spin = [&o](QSpinBox *s, const char *k) {
        s->setValue(o.number(key(k), Options::defaultText(key(k)).toInt()));
    };

    edit(m_ui->FirstBillNo, OptKey::FirstBillNo);
    edit(m_ui->FirstPriceListNo, OptKey::FirstPriceListNo);
    edit(m_ui->FirstToUsNo, OptKey::FirstToUsNo);
    edit(m_ui->FirstFromUsNo, OptKey::FirstFromUsNo);
    edit(m_ui->FirstPayNo, OptKey::FirstPayNo);
    edit(m_ui->FirstCreditNo, OptKey::FirstCreditNo);
    edit(m_ui->FirstIndNo, OptKey::FirstIndNo);

    check(m_ui->ZakahChk, OptKey::Zakah);
    check(m_ui->BTUsChk, OptKey::BTUs);
    check(m_ui->BFUsChk, OptKey::BFUs);
    check(m_ui->IndChk, OptKey::Ind);
    check(m_ui->EngCodeChk, OptKey::EngCode);
    check(m_ui->EngSaleChk, OptKey::EngSale);
    check(m_ui->AutoSaveChk, OptKey::AutoSave);
    check(m_ui->AutoSaveExitChk, OptKey::AutoSaveExit);
    check(m_ui->FoodMenuChk, OptKey::FoodMenu);
    check(m_ui->CashInCaptionChk, OptKey::CashInCaption);
    check(m_ui->TopBarChk, OptKey::TopBar);
    check(m_ui->BottomBarChk, OptKey::BottomBar);
    check(m_ui->NewCalcChk, OptKey::NewCalc);
    check(m_ui->MoreDebitDetailChk, OptKey::MoreDebitDetail);
    check(m_ui->previewChk, OptKey::Preview);
    spin(m_ui->ConfPassSE, OptKey::ConfPass);
    spin(m_ui->FrameWSE, OptKey::FrameW);
    spin(m_ui->RowHSE, OptKey::RowH);

    QTime time = parseTime(o.text(key(OptKey::AutoSaveTime)));
    if (!time.isValid())
        time = parseTime(Options::defaultText(key(OptKey::AutoSaveTime)));
    m_ui->AutoSaveTimeEd->setTime(time);
    edit(m_ui->AutoSavePathEd, OptKey::AutoSavePath);
    edit(m_ui->ftpEd, OptKey::Ftp);
    m_ui->ftpUEd->setText(o.secret(key(OptKey::FtpUser)));
    m_ui->ftpPEd->setText(o.secret(key(OptKey::FtpPassword)));

    edit(m_ui->PrinterInvIDED, OptKey::PrinterInv);
    edit(m_ui->PrinterDisplayNoED, OptKey::PrinterDisplay);
    edit(m_ui->PrinterBarcodeNoED, OptKey::PrinterBarcode);

    // The customer display.
    const CustomerDisplay::Config display = CustomerDisplay::configFromOptions();
    m_ui->DisplayLinesSE->setValue(display.lines);
    m_ui->DisplayCharsSE->setValue(display.chars);
    m_ui->PoleDisplayPortCB->clear();
    m_ui->PoleDisplayPortCB->addItem(QString()); // no serial display
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts())
        m_ui->PoleDisplayPortCB->addItem(port.portName());
    m_ui->PoleDisplayPortCB->setCurrentText(display.serialPort);
    int baud = m_ui->PoleDisplayBaudCB->findData(display.baud);
    if (baud < 0) {
        m_ui->PoleDisplayBaudCB->addItem(QString::number(display.baud), display.baud);
        baud = m_ui->PoleDisplayBaudCB->count() - 1;
    }
    m_ui->PoleDisplayBaudCB->setCurrentIndex(baud);
    m_ui->DisplayeEd->setText(QString::number(QGuiApplication::screens().size()));

    const QStringList yesNo = GridLayoutStore::boolTexts().split(QLatin1Char(';'));
    m_ui->YesED->setText(yesNo.value(0));
    m_ui->NoED->setText(yesNo.value(1));
}

bool TOptForm::toOptions()
{
    Options &o = options();
    bool accepted = true;
    // The first numbers belong to the open year: a past year keeps its own.
    const QString firstBill = m_ui->FirstBillNo->text().trimmed();
    if (firstBill != o.text(key(OptKey::FirstBillNo))) {
        if (ShowCurYearErrorIfPast(this)) {
            m_ui->FirstBillNo->setText(o.text(key(OptKey::FirstBillNo)));
            accepted = false;
        } else {
            o.setText(key(OptKey::FirstBillNo), firstBill);
        }
    }

    const auto check = [&o](QCheckBox *c, const char *k) { o.setOn(key(k), c->isChecked()); };
    check(m_ui->ZakahChk, OptKey::Zakah);
    check(m_ui->BTUsChk, OptKey::BTUs);
    check(m_ui->BFUsChk, OptKey::BFUs);
    check(m_ui->IndChk, OptKey::Ind);
    check(m_ui->EngCodeChk, OptKey::EngCode);
    check(m_ui->EngSaleChk, OptKey::EngSale);
    check(m_ui->AutoSaveChk, OptKey::AutoSave);
    check(m_ui->AutoSaveExitChk, OptKey::AutoSaveExit);
    check(m_ui->FoodMenuChk, OptKey::FoodMenu);
    check(m_ui->CashInCaptionChk, OptKey::CashInCaption);
    check(m_ui->TopBarChk, OptKey::TopBar);
    check(m_ui->BottomBarChk, OptKey::BottomBar);
    check(m_ui->NewCalcChk, OptKey::NewCalc);
    check(m_ui->MoreDebitDetailChk, OptKey::MoreDebitDetail);
    check(m_ui->previewChk, OptKey::Preview);
    o.setNumber(key(OptKey::ConfPass), m_ui->ConfPassSE->value());
    o.setNumber(key(OptKey::FrameW), m_ui->FrameWSE->value());
    o.setNumber(key(OptKey::RowH), m_ui->RowHSE->value());

    o.setText(key(OptKey::AutoSaveTime),
              m_ui->AutoSaveTimeEd->time().toString(QStringLiteral("HH:mm:ss")));
    o.setText(key(OptKey::AutoSavePath), m_ui->AutoSavePathEd->text());
    o.setText(key(OptKey::Ftp), m_ui->ftpEd->text().trimmed());
    o.setSecret(key(OptKey::FtpUser), m_ui->ftpUEd->text());
    o.setSecret(key(OptKey::FtpPassword), m_ui->ftpPEd->text());

    o.setText(key(OptKey::PrinterInv), m_ui->PrinterInvIDED->text());
    o.setText(key(OptKey::PrinterDisplay), m_ui->PrinterDisplayNoED->text());
    o.setText(key(OptKey::PrinterBarcode), m_ui->PrinterBarcodeNoED->text());

    o.setNumber(key(DisplayKeys::Lines), m_ui->DisplayLinesSE->value());
    o.setNumber(key(DisplayKeys::Chars), m_ui->DisplayCharsSE->value());
    o.setText(key(DisplayKeys::SerialPort), m_ui->PoleDisplayPortCB->currentText().trimmed());
    o.setNumber(key(DisplayKeys::SerialBaud), m_ui->PoleDisplayBaudCB->currentData().toInt());
    return accepted;
}

QString TOptForm::yesNoTexts() const
{
    return m_ui->YesED->text() + QLatin1Char(';') + m_ui->NoED->text();
}

void TOptForm::OkBtnClick()
{
    toOptions();
    GridLayoutStore::setBoolTexts(yesNoTexts());
    hide();
    emit applied();
}

void TOptForm::BackBtnClick()
{
    close();
}

void TOptForm::showEvent(QShowEvent *event)
{
    // Every opening starts from the options in memory.
    if (!event->spontaneous())
        fromOptions();
    QDialog::showEvent(event);
}

void TOptForm::retranslate()
{
    m_ui->retranslateUi(this);
}

void TOptForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
