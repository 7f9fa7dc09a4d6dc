#include "accounts/TMoneyForm.h"

#include "accounts/AmountInWords.h"
#include "accounts/CurrencyOptions.h"
#include "shell/TStoreForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char kSampleAmount[] = "1,234.50";

QLineEdit *nameEdit(QWidget *parent, const char *name, bool arabic)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(Currency::kMaxNameLength);
    e->setLayoutDirection(arabic ? Qt::RightToLeft : Qt::LeftToRight);
    return e;
}

QLabel *label(QWidget *parent, const char *name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

TMoneyForm::TMoneyForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TMoneyForm"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    auto *layout = new QVBoxLayout(this);

    auto *countryRow = new QHBoxLayout;
    m_countryLbl = label(this, "CountryLbl");
    m_country = new QComboBox(this);
    m_country->setObjectName(QStringLiteral("CountryRB"));
    m_country->addItems(Currency::countryItems());
    countryRow->addWidget(m_countryLbl);
    countryRow->addWidget(m_country, 1);
    layout->addLayout(countryRow);

    auto *grid = new QGridLayout;
    m_nameLbl = label(this, "MoneyNameLbl");
    m_partLbl = label(this, "PartNameLbl");
    m_twoLbl = label(this, "TwoLbl");
    m_manyLbl = label(this, "ManyLbl");
    m_aName = nameEdit(this, "AMoneyNameEd", true);
    m_eName = nameEdit(this, "EMoneyNameEd", false);
    m_aPart = nameEdit(this, "APartNameEd", true);
    m_ePart = nameEdit(this, "EPartNameEd", false);
    m_twoName = nameEdit(this, "Money2NameEd", true);
    m_twoPart = nameEdit(this, "Part2NameEd", true);
    m_manyName = nameEdit(this, "Money3NameEd", true);
    m_manyPart = nameEdit(this, "part3NameEd", true);
    // rows: currency, unit; columns: Arabic, English, dual, plural
    grid->addWidget(m_twoLbl, 0, 3);
    grid->addWidget(m_manyLbl, 0, 4);
    grid->addWidget(m_nameLbl, 1, 0);
    grid->addWidget(m_aName, 1, 1);
    grid->addWidget(m_eName, 1, 2);
    grid->addWidget(m_twoName, 1, 3);
    grid->addWidget(m_manyName, 1, 4);
    grid->addWidget(m_partLbl, 2, 0);
    grid->addWidget(m_aPart, 2, 1);
    grid->addWidget(m_ePart, 2, 2);
    grid->addWidget(m_twoPart, 2, 3);
    grid->addWidget(m_manyPart, 2, 4);
    layout->addLayout(grid);

    auto *partsRow = new QHBoxLayout;
    m_partsLbl = label(this, "PartsLbl");
    m_parts100 = new QRadioButton(QStringLiteral("100"), this);
    m_parts100->setObjectName(QStringLiteral("PartsRB100"));
    m_parts1000 = new QRadioButton(QStringLiteral("1000"), this);
    m_parts1000->setObjectName(QStringLiteral("PartsRB1000"));
    m_partsGroup = new QButtonGroup(this);
    m_partsGroup->setObjectName(QStringLiteral("PartsRB"));
    m_partsGroup->addButton(m_parts100, 2);
    m_partsGroup->addButton(m_parts1000, 3);
    partsRow->addWidget(m_partsLbl);
    partsRow->addWidget(m_parts100);
    partsRow->addWidget(m_parts1000);
    partsRow->addStretch(1);
    layout->addLayout(partsRow);

    auto *maleRow = new QHBoxLayout;
    m_moneyMale = new QCheckBox(this);
    m_moneyMale->setObjectName(QStringLiteral("MoneyMaleChk"));
    m_partMale = new QCheckBox(this);
    m_partMale->setObjectName(QStringLiteral("PartMaleChk"));
    maleRow->addWidget(m_moneyMale);
    maleRow->addWidget(m_partMale);
    maleRow->addStretch(1);
    layout->addLayout(maleRow);

    auto *sampleBox = new QGroupBox(this);
    sampleBox->setObjectName(QStringLiteral("SampleBox"));
    auto *sampleLayout = new QVBoxLayout(sampleBox);
    auto *sampleRow = new QHBoxLayout;
    m_sampleLbl = label(sampleBox, "SampleLbl");
    m_sampleAmount = new QLineEdit(QString::fromLatin1(kSampleAmount), sampleBox);
    m_sampleAmount->setObjectName(QStringLiteral("SampleAmountEd"));
    sampleRow->addWidget(m_sampleLbl);
    sampleRow->addWidget(m_sampleAmount, 1);
    sampleLayout->addLayout(sampleRow);
    m_sampleEnglish = label(sampleBox, "SampleEnglishLbl");
    m_sampleEnglish->setWordWrap(true);
    m_sampleEnglish->setLayoutDirection(Qt::LeftToRight);
    m_sampleArabic = label(sampleBox, "SampleArabicLbl");
    m_sampleArabic->setWordWrap(true);
    m_sampleArabic->setLayoutDirection(Qt::RightToLeft);
    m_sampleArabic->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sampleLayout->addWidget(m_sampleEnglish);
    sampleLayout->addWidget(m_sampleArabic);
    layout->addWidget(sampleBox);

    auto *buttons = new QHBoxLayout;
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("BitBtn2"));
    m_ok->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &TMoneyForm::BitBtn1Click);
    connect(m_cancel, &QPushButton::clicked, this, &TMoneyForm::BitBtn2Click);
    connect(m_country, &QComboBox::activated, this, &TMoneyForm::countryChosen);
    for (QLineEdit *e : {m_aName, m_eName, m_aPart, m_ePart, m_twoName, m_twoPart, m_manyName, m_manyPart,
                         m_sampleAmount})
        connect(e, &QLineEdit::textChanged, this, &TMoneyForm::updateSample);
    connect(m_partsGroup, &QButtonGroup::idToggled, this, &TMoneyForm::updateSample);
    for (QCheckBox *c : {m_moneyMale, m_partMale})
        connect(c, &QCheckBox::toggled, this, &TMoneyForm::updateSample);

    retranslate();
    fromOptions();
}

void TMoneyForm::setCurrency(const Currency &c)
{
    m_filling = true;
    m_country->setCurrentIndex(0);
    m_aName->setText(c.NameA);
    m_eName->setText(c.NameE);
    m_aPart->setText(c.PartNameA);
    m_ePart->setText(c.PartNameE);
    m_twoName->setText(c.TwoName);
    m_twoPart->setText(c.TwoPartName);
    m_manyName->setText(c.ManyName);
    m_manyPart->setText(c.ManyPartName);
    (c.Parts == 2 ? m_parts100 : m_parts1000)->setChecked(true);
    m_moneyMale->setChecked(c.IsMale);
    m_partMale->setChecked(c.PartsIsMale);
    m_filling = false;
    updateSample();
}

Currency TMoneyForm::currency() const
{
    Currency c;
    c.NameA = m_aName->text();
    c.NameE = m_eName->text();
    c.PartNameA = m_aPart->text();
    c.PartNameE = m_ePart->text();
    c.TwoName = m_twoName->text();
    c.TwoPartName = m_twoPart->text();
    c.ManyName = m_manyName->text();
    c.ManyPartName = m_manyPart->text();
    c.Parts = m_parts1000->isChecked() ? 3 : 2;
    c.IsMale = m_moneyMale->isChecked();
    c.PartsIsMale = m_partMale->isChecked();
    return c;
}

void TMoneyForm::fromOptions()
{
    setCurrency(CurrencyOptions::load());
}

void TMoneyForm::countryChosen(int index)
{
    const std::optional<Currency> preset = Currency::preset(m_country->itemText(index));
    if (!preset)
        return;
    setCurrency(*preset);
    m_country->setCurrentIndex(index);
}

void TMoneyForm::updateSample()
{
    if (m_filling)
        return;
    const AmountWords words = AmountInWords(m_sampleAmount->text(), currency().stored());
    m_sampleEnglish->setText(words.English);
    m_sampleArabic->setText(words.Arabic);
}

void TMoneyForm::BitBtn1Click()
{
    CurrencyOptions::save(currency());
    accept();
}

void TMoneyForm::BitBtn2Click()
{
    fromOptions();
    reject();
}

void TMoneyForm::retranslate()
{
    setWindowTitle(tr("Mony Type مواصفات العملة"));
    m_countryLbl->setText(tr(" Country"));
    m_country->setItemText(0, tr("Chose"));
    m_nameLbl->setText(tr("Mony Name اسم العملة"));
    m_partLbl->setText(tr("Part Name اسم الجزء"));
    m_twoLbl->setText(tr("المثنى"));
    m_manyLbl->setText(tr("الجمع"));
    m_partsLbl->setText(tr("Divided to"));
    m_moneyMale->setText(tr("العملة مذكر"));
    m_partMale->setText(tr("أجزاء العملة مذكر"));
    m_sampleLbl->setText(tr("Test"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
}

void TMoneyForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

TMoneyForm *openMoneyForm(QWidget *parent)
{
    auto *form = new TMoneyForm(parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

void installMoneyForm(TStoreForm &window)
{
    QObject::connect(&window, &TStoreForm::startupFinished, &window, [&window](bool ok) {
        if (!ok || !CurrencyOptions::load().needsSetup())
            return;
        if (qEnvironmentVariableIsSet("QARVEL_MSGBOX_AUTOANSWER"))
            return;
        TMoneyForm *form = openMoneyForm(&window);
        form->setCurrency(Currency::presetUAE());
    });
}
