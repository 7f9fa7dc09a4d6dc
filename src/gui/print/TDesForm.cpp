#include "TDesForm.h"

#include "InvoicePrinting.h"
#include "PrintUnits.h"
#include "shell/AppState.h"
#include "shell/Companies.h"
#include "shell/FileDialogs.h"
#include "shell/Guard.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"
#include "shell/PickDialogs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The pages of the window and the values on each, in order.
struct Page
{
    const char *title;
    QStringList names;
};

QStringList range(const QString &pattern, int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << pattern.arg(i);
    return out;
}

QList<Page> pages()
{
    QStringList header;
    for (const char *e :
         {"InvNo", "CName", "Date", "Tel", "Extra2", "Extra3", "Address", "PageNo", "User"}) {
        const QString n = QString::fromLatin1(e);
        header << n + "Chk.Checked" << n + "LeftEd.text" << n + "TopEd.text";
    }
    header.insert(header.indexOf("CNameTopEd.text") + 1, "CNameWEd.text");
    header.insert(header.indexOf("Extra2Chk.Checked"), "Extra1LeftEd.text");
    header.insert(header.indexOf("Extra2Chk.Checked"), "Extra1TopEd.text");
    header.insert(header.indexOf("Extra2TopEd.text") + 1, "Extra2TextEd.text");
    QStringList columns;
    for (const char *c : {"No", "Code", "Des", "Size", "Qty", "Rate", "Amount", "Note"})
        columns << QString::fromLatin1(c) + "LeftEd.text"
                << QString::fromLatin1(c) + "LeftEd1.text";
    const QStringList page{"HPage.Value",
                           "FLaineTopEd.text",
                           "TMarginEd.text",
                           "LMarginEd.text",
                           "PrintHeaderChk.checked",
                           "TitleChk.Checked",
                           "ConPrintingChk.checked",
                           "PrintInvKindChk.Checked",
                           "ArabicCompNameLeft.Value",
                           "EngCompNameLeft.Value",
                           "EngCompNameTop.Value",
                           "CloseCharEd.text",
                           "RRChk.checked"};
    const QStringList total{"ShadowTAmount.Checked", "TAmountTopEd.text",   "TAmAutoChk.Checked",
                            "TAmEnChk.Checked",      "TAmArChk.Checked",    "TAmLeftEd.text",
                            "TAmTopEd.text",         "TAmWidthEd.text",     "TAmHEd.text",
                            "TAmLeftEd1.text",       "TAmTopEd1.text",      "TAmWidthEd1.text",
                            "TAmHEd1.text",          "OnlyFirstChk.Checked"};
    const QStringList texts = range("ed%1.text", 1, 4) + QStringList{"ed7.text"}
        + range("edA%1.text", 1, 4) + QStringList{"edA7.text", "ed5.text", "ed51.text"}
        + range("ed%1.text", 31, 37);
    return {{QT_TRANSLATE_NOOP("TDesForm", "Header"), header},
            {QT_TRANSLATE_NOOP("TDesForm", "Columns"), columns},
            {QT_TRANSLATE_NOOP("TDesForm", "Page"), page},
            {QT_TRANSLATE_NOOP("TDesForm", "Total"), total},
            {QT_TRANSLATE_NOOP("TDesForm", "Texts"), texts}};
}

// Captions of the values that have one of their own.
const std::pair<const char *, const char *> kCaptions[] = {
    {"HPage.Value", QT_TRANSLATE_NOOP("TDesForm", "Page Height(A4=297)")},
    {"FLaineTopEd.text", QT_TRANSLATE_NOOP("TDesForm", "The TOP of First line of invoice")},
    {"TMarginEd.text", QT_TRANSLATE_NOOP("TDesForm", "Top Margin")},
    {"LMarginEd.text", QT_TRANSLATE_NOOP("TDesForm", "Left Margin")},
    {"PrintHeaderChk.checked", QT_TRANSLATE_NOOP("TDesForm", "Print Header")},
    {"ConPrintingChk.checked", QT_TRANSLATE_NOOP("TDesForm", "Continuous S. Invoice")},
    {"RRChk.checked", "لليمين To Right"},
    {"TitleChk.Checked", QT_TRANSLATE_NOOP("TDesForm", "Title")},
    {"PrintInvKindChk.Checked", QT_TRANSLATE_NOOP("TDesForm", "Print Invoice Kind")},
    {"OnlyFirstChk.Checked", QT_TRANSLATE_NOOP("TDesForm", "\"Only\" first")},
    {"ShadowTAmount.Checked", QT_TRANSLATE_NOOP("TDesForm", "Shadow T. Amount")},
    {"TAmAutoChk.Checked", QT_TRANSLATE_NOOP("TDesForm", "Amount in words: automatic")},
    {"TAmEnChk.Checked", QT_TRANSLATE_NOOP("TDesForm", "English amount in words")},
    {"TAmArChk.Checked", QT_TRANSLATE_NOOP("TDesForm", "Arabic amount in words")},
    {"CloseCharEd.text", QT_TRANSLATE_NOOP("TDesForm", "Closing characters")},
};

// The font groups of the eight font buttons, and the design control whose
// font each group takes.
const char *const kFontGroups[] = {"ed1",  "ed7",  "ed5",  "ed51",
                                   "edA1", "edA7", "ed31", "InvDetailsLb"};

QString controlOf(const QString &name)
{
    return name.section(u'.', 0, 0);
}

bool isCheck(const QString &name)
{
    return name.endsWith(".checked", Qt::CaseInsensitive);
}

bool isSpin(const QString &name)
{
    return name.endsWith(".Value");
}

bool isArabicText(const QString &name)
{
    return name.startsWith("edA") || name == u"ed51.text";
}

} // namespace

TDesForm::TDesForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("DesForm");
    setModal(false);
    build();
    retranslate();
    showDesign(InvoicePrinting::instance().design());
}

void TDesForm::build()
{
    auto *outer = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("DesPC");
    outer->addWidget(m_tabs);
    for (const Page &p : pages()) {
        auto *scroll = new QScrollArea(m_tabs);
        auto *inner = new QWidget(scroll);
        auto *form = new QFormLayout(inner);
        for (const QString &name : p.names) {
            QWidget *w = nullptr;
            const QString control = controlOf(name);
            if (isCheck(name)) {
                auto *c = new QCheckBox(inner);
                w = c;
            } else if (isSpin(name)) {
                auto *s = new QSpinBox(inner);
                if (name == u"HPage.Value")
                    s->setRange(120, 350);
                else
                    s->setRange(-15, 15);
                w = s;
            } else {
                auto *e = new QLineEdit(inner);
                if (isArabicText(name))
                    e->setLayoutDirection(Qt::RightToLeft);
                w = e;
            }
            w->setObjectName(control);
            m_controls.insert(name, w);
            auto *caption = new QLabel(inner);
            m_captions.insert(name, caption);
            form->addRow(caption, w);
        }
        if (p.names.contains("ed1.text")) {
            m_headerPanel = inner;
            auto *fonts = new QHBoxLayout;
            for (int i = 0; i < 8; ++i) {
                auto *b = new QToolButton(inner);
                b->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
                b->setText(QStringLiteral("F%1").arg(i + 1));
                connect(b, &QToolButton::clicked, this, [this, i] { SpeedButtonClick(i + 1); });
                fonts->addWidget(b);
                m_fontButtons << b;
            }
            form->addRow(fonts);
            m_logoLB = new QLabel(inner);
            m_logoLB->setObjectName("LogoImage");
            m_logoLB->setFixedSize(72, 72);
            m_logoLB->setFrameShape(QFrame::Box);
            auto *change = new QPushButton(QString::fromUtf8("Changeغيّر"), inner);
            change->setObjectName("BitBtn2");
            connect(change, &QPushButton::clicked, this, &TDesForm::BitBtn2Click);
            form->addRow(m_logoLB, change);
        }
        if (p.names.contains("ShadowTAmount.Checked")) {
            m_shadowSample = new QLabel(inner);
            m_shadowSample->setObjectName("ShadowSample");
            m_shadowSample->setFixedSize(120, 24);
            m_shadowSample->setFrameShape(QFrame::Box);
            form->addRow(m_shadowSample);
        }
        scroll->setWidget(inner);
        scroll->setWidgetResizable(true);
        m_tabs->addTab(scroll, QString());
    }
    auto *buttons = new QHBoxLayout;
    auto *def = new QPushButton(this);
    def->setObjectName("DefaultBtn");
    auto *ostrel = new QPushButton(this);
    ostrel->setObjectName("LoadDefOstrelBtn");
    auto *ok = new QPushButton(this);
    ok->setObjectName("DesFormOkBtn");
    buttons->addWidget(def);
    buttons->addWidget(ostrel);
    buttons->addStretch();
    buttons->addWidget(ok);
    outer->addLayout(buttons);
    connect(def, &QPushButton::clicked, this, &TDesForm::DefaultBtnClick);
    connect(ostrel, &QPushButton::clicked, this, &TDesForm::LoadDefOstrelBtnClick);
    connect(ok, &QPushButton::clicked, this, &TDesForm::DesFormOkBtnClick);
    connect(qobject_cast<QCheckBox *>(m_controls.value("RRChk.checked")), &QCheckBox::clicked, this,
            &TDesForm::RRchkClick);
    connect(qobject_cast<QCheckBox *>(m_controls.value("PrintHeaderChk.checked")),
            &QCheckBox::clicked, this, &TDesForm::PrintHeaderChkClick);
    connect(qobject_cast<QCheckBox *>(m_controls.value("ShadowTAmount.Checked")),
            &QCheckBox::clicked, this, &TDesForm::ShadowTAmountClick);
}

void TDesForm::retranslate()
{
    setWindowTitle(QString::fromUtf8("Print Design تصميم الطباعة"));
    const QList<Page> ps = pages();
    for (int i = 0; i < ps.size() && i < m_tabs->count(); ++i)
        m_tabs->setTabText(i, tr(ps[i].title));
    for (auto it = m_captions.begin(); it != m_captions.end(); ++it) {
        QString caption = controlOf(it.key());
        for (const auto &[name, text] : kCaptions)
            if (it.key() == QLatin1String(name))
                // the bilingual caption reads the same in both languages
                caption = it.key() == u"RRChk.checked" ? QString::fromUtf8(text) : tr(text);
        it.value()->setText(caption);
    }
    findChild<QPushButton *>("DefaultBtn")->setText(tr("Load Default Options"));
    findChild<QPushButton *>("LoadDefOstrelBtn")->setText(tr("Load Default Ostrel"));
    findChild<QPushButton *>("DesFormOkBtn")->setText(tr("Close"));
}

void TDesForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

QWidget *TDesForm::control(const QString &name) const
{
    return m_controls.value(name);
}

void TDesForm::showDesign(const PrintDesign &design)
{
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        if (auto *c = qobject_cast<QCheckBox *>(it.value()))
            c->setChecked(design.on(it.key()));
        else if (auto *s = qobject_cast<QSpinBox *>(it.value()))
            s->setValue(design.text(it.key()).trimmed().toInt());
        else if (auto *e = qobject_cast<QLineEdit *>(it.value()))
            e->setText(design.text(it.key()));
    }
    showTexts(design);
    RRchkClick();
    PrintHeaderChkClick();
    ShadowTAmountClick();
}

void TDesForm::showTexts(const PrintDesign &design)
{
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it)
        if (it.key().startsWith("ed"))
            if (auto *e = qobject_cast<QLineEdit *>(it.value()))
                e->setText(design.text(it.key()));
    qobject_cast<QCheckBox *>(m_controls.value("RRChk.checked"))
        ->setChecked(design.on("RRChk.checked"));
    m_fonts.clear();
    for (const QString &c : PrintDesign::fontControls())
        m_fonts.insert(c, design.font(c));
    showLogo(design.logo);
}

void TDesForm::showLogo(const QImage &logo)
{
    m_logo = logo;
    m_logoLB->setPixmap(
        logo.isNull() ? QPixmap()
                      : QPixmap::fromImage(logo.scaled(m_logoLB->size(), Qt::KeepAspectRatio)));
}

void TDesForm::collect(PrintDesign &design) const
{
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        if (auto *c = qobject_cast<QCheckBox *>(it.value()))
            design.setOn(it.key(), c->isChecked());
        else if (auto *s = qobject_cast<QSpinBox *>(it.value()))
            design.setText(it.key(), QString::number(s->value()));
        else if (auto *e = qobject_cast<QLineEdit *>(it.value()))
            design.setText(it.key(), e->text());
    }
    for (auto it = m_fonts.cbegin(); it != m_fonts.cend(); ++it)
        design.setFont(it.key(), it.value().font, it.value().color);
    design.logo = m_logo;
}

void TDesForm::DesFormOkBtnClick()
{
    auto *closeChars = qobject_cast<QLineEdit *>(m_controls.value("CloseCharEd.text"));
    if (closeChars->text().isEmpty())
        closeChars->setText("=");
    for (const char *margin : {"TMarginEd.text", "LMarginEd.text"}) {
        auto *e = qobject_cast<QLineEdit *>(m_controls.value(QString::fromLatin1(margin)));
        bool ok = false;
        PrintUnits::decimalMm(e->text(), &ok);
        if (!ok)
            e->setText("0.00");
    }
    InvoicePrinting &printing = InvoicePrinting::instance();
    collect(printing.design());
    const PrintDesignApply::Outcome out =
        printing.apply(options().text(QString::fromLatin1(OptKey::CompLogo)));
    if (!out.ok) {
        MsgBox::error(this, out.error);
        return; // the window stays open
    }
    close();
}

void TDesForm::closeEvent(QCloseEvent *event)
{
    FormClose();
    QDialog::closeEvent(event);
}

void TDesForm::FormClose()
{
    // texts that were not applied with "Close" go back to the applied ones
    InvoicePrinting &printing = InvoicePrinting::instance();
    PrintDesignApply::lnToEd(printing.layouts(), printing.design());
    showTexts(printing.design());
}

bool TDesForm::askLoadDefaults()
{
    const QString question = appState().IsArabic
        ? QString::fromUtf8("هل أنت متأكد أنك تريد تحميل الخيارات الافتراضية: ")
        : QStringLiteral("Are you sure to Load Default Options");
    if (!MsgBox::confirm(this, question, QMessageBox::No))
        return false;
    if (!ConfirmByPassword(this, question))
        return false;
    return MsgBox::ask(this, tr("Loading default values for this part. Are you sure?"),
                       QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel)
        == QMessageBox::Yes;
}

void TDesForm::DefaultBtnClick()
{
    if (askLoadDefaults())
        LoadDefault();
}

void TDesForm::LoadDefOstrelBtnClick()
{
    if (askLoadDefaults())
        LoadDefaultOstrel();
}

void TDesForm::LoadDefault()
{
    PrintDesign d = InvoicePrinting::instance().design();
    collect(d);
    d.loadDefault();
    showDesign(d);
}

void TDesForm::LoadDefaultOstrel()
{
    PrintDesign d = InvoicePrinting::instance().design();
    collect(d);
    const Company *company = Companies::byPrefix(appState().DataPrefix);
    d.loadDefaultOstrel(Companies::header(company ? company->number : 1).telEn);
    showDesign(d);
}

void TDesForm::SpeedButtonClick(int group)
{
    if (group < 1 || group > 8)
        return;
    const QString control = QString::fromLatin1(kFontGroups[group - 1]);
    PrintDesign::Font current = m_fonts.value(control);
    const std::optional<QFont> chosen = PickDialogs::font(this, current.font, tr("Font"));
    if (!chosen)
        return;
    m_fonts[control].font = *chosen;
}

void TDesForm::BitBtn2Click()
{
    const QString current = options().text(QString::fromLatin1(OptKey::CompLogo));
    const QString file = FileDialogs::openFileName(this, tr("Logo"), current,
                                                   tr("Pictures (*.png *.jpg *.jpeg *.bmp *.gif)"));
    if (file.isEmpty())
        return;
    options().setText(QString::fromLatin1(OptKey::CompLogo), file);
    QImageReader reader(file);
    const QImage logo = reader.read();
    if (logo.isNull()) {
        MsgBox::error(this, tr("The logo %1 cannot be read: %2").arg(file, reader.errorString()));
        return;
    }
    showLogo(logo);
}

void TDesForm::RRchkClick()
{
    const bool rtl = qobject_cast<QCheckBox *>(m_controls.value("RRChk.checked"))->isChecked();
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it)
        if (it.key().startsWith("edA"))
            it.value()->setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
}

void TDesForm::PrintHeaderChkClick()
{
    const bool on =
        qobject_cast<QCheckBox *>(m_controls.value("PrintHeaderChk.checked"))->isChecked();
    // the panels of header texts, logo and footer texts
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it)
        if (it.key().startsWith("ed") && it.key() != u"ed5.text" && it.key() != u"ed51.text") {
            it.value()->setVisible(on);
            m_captions.value(it.key())->setVisible(on);
        }
    m_logoLB->setVisible(on);
    if (auto *b = findChild<QPushButton *>("BitBtn2"))
        b->setVisible(on);
}

void TDesForm::ShadowTAmountClick()
{
    const bool on =
        qobject_cast<QCheckBox *>(m_controls.value("ShadowTAmount.Checked"))->isChecked();
    m_shadowSample->setStyleSheet(
        on ? QStringLiteral("background: qlineargradient(spread:repeat, x1:0, y1:0, "
                            "x2:0.05, y2:0.05, stop:0 white, stop:0.5 white, "
                            "stop:0.51 black, stop:1 black);")
           : QString());
}
