#include "TBarForm.h"

#include "PrintOutput.h"
#include "ZintBarcode.h"
#include "data/AppDir.h"
#include "shell/AppState.h"
#include "shell/FileDialogs.h"
#include "shell/MsgBox.h"
#include "shell/Options.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>

namespace {

TBarForm::PreviewHook &previewHook()
{
    static TBarForm::PreviewHook h;
    return h;
}

template<class W>
W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QDoubleSpinBox *millimetres(QWidget *parent, const char *name, double low, double high)
{
    auto *s = named(new QDoubleSpinBox(parent), name);
    s->setRange(low, high);
    s->setDecimals(1);
    s->setSuffix(QStringLiteral(" mm"));
    return s;
}

// The colours of the colour box; another colour of the file is added to it.
const Qt::GlobalColor kColors[] = {Qt::black,    Qt::darkRed,     Qt::darkGreen, Qt::darkYellow,
                                   Qt::darkBlue, Qt::darkMagenta, Qt::darkCyan,  Qt::gray,
                                   Qt::darkGray, Qt::red,         Qt::green,     Qt::yellow,
                                   Qt::blue,     Qt::magenta,     Qt::cyan,      Qt::white};

} // namespace

TBarForm::TBarForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TBarForm"));
    // The labels need the real symbols, not the stand-in frame.
    if (!dynamic_cast<const ZintBarcode *>(&BarcodePainter::current()))
        installZintBarcodes();
    build();
    retranslate();
}

void TBarForm::setPreviewHook(PreviewHook hook)
{
    previewHook() = std::move(hook);
}

void TBarForm::build()
{
    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    layout->addLayout(left, 1);

    auto *grid = new QGridLayout;
    left->addLayout(grid);
    int row = 0;
    auto add = [&](QLabel *&label, QWidget *w) {
        label = new QLabel(this);
        label->setBuddy(w);
        grid->addWidget(label, row, 0);
        grid->addWidget(w, row, 1);
        ++row;
    };
    m_BarEd = named(new QLineEdit(this), "BarEd");
    add(m_barLabel, m_BarEd);
    m_BarKindSp = named(new QComboBox(this), "BarKindSp");
    m_BarKindSp->addItems(Labels::symbologyNames());
    add(m_kindLabel, m_BarKindSp);
    m_CSpn = named(new QSpinBox(this), "CSpn");
    m_CSpn->setRange(1, 4);
    add(m_columnsLabel, m_CSpn);
    m_RSpn = named(new QSpinBox(this), "RSpn");
    m_RSpn->setRange(1, 20);
    add(m_rowsLabel, m_RSpn);
    m_ZomSpn = named(new QSpinBox(this), "ZomSpn");
    m_ZomSpn->setRange(1, 10);
    add(m_zoomLabel, m_ZomSpn);
    m_RatioSpn = named(new QSpinBox(this), "RatioSpn");
    m_RatioSpn->setRange(0, 10);
    add(m_ratioLabel, m_RatioSpn);
    m_ColorBox1 = named(new QComboBox(this), "ColorBox1");
    for (Qt::GlobalColor c : kColors) {
        QPixmap swatch(16, 16);
        swatch.fill(c);
        m_ColorBox1->addItem(QIcon(swatch), QColor(c).name(), QColor(c));
    }
    add(m_colorLabel, m_ColorBox1);
    m_WhiteOnRight = millimetres(this, "WhiteOnRight", -50, 50);
    add(m_whiteLabel, m_WhiteOnRight);
    m_LangCB = named(new QComboBox(this), "LangCB");
    m_LangCB->addItems({QStringLiteral("عربي"), QStringLiteral("English")});
    add(m_langLabel, m_LangCB);

    m_UChk = named(new QCheckBox(this), "UChk");
    m_UEd = named(new QLineEdit(this), "UEd");
    grid->addWidget(m_UChk, row, 0);
    grid->addWidget(m_UEd, row++, 1);
    m_DChk = named(new QCheckBox(this), "DChk");
    m_DEd = named(new QLineEdit(this), "DEd");
    grid->addWidget(m_DChk, row, 0);
    grid->addWidget(m_DEd, row++, 1);
    m_WeightChk = named(new QCheckBox(this), "WeightChk");
    m_WeightEd = named(new QLineEdit(QStringLiteral("1"), this), "WeightEd");
    grid->addWidget(m_WeightChk, row, 0);
    grid->addWidget(m_WeightEd, row++, 1);
    m_StChk = named(new QCheckBox(this), "StChk");
    grid->addWidget(m_StChk, row++, 0, 1, 2);

    m_BarImage = named(new QLabel(this), "BarImage");
    m_BarImage->setAlignment(Qt::AlignCenter);
    m_BarImage->setMinimumSize(220, 120);
    m_BarImage->setStyleSheet(QStringLiteral("background: white"));
    left->addWidget(m_BarImage, 1);
    m_ErrorLB = named(new QLabel(this), "ErrorLB");
    m_ErrorLB->setWordWrap(true);
    left->addWidget(m_ErrorLB);

    auto *buttons = new QHBoxLayout;
    m_PrintBtn = named(new QPushButton(this), "PrintBtn");
    m_PdfBtn = named(new QPushButton(this), "PdfBtn");
    m_SetupBtn = named(new QPushButton(QStringLiteral("S"), this), "SetupBtn");
    m_DesignBtn = named(new QPushButton(this), "DesignBtn");
    m_CloseBtn = named(new QPushButton(QStringLiteral("X"), this), "CloseBtn");
    for (QPushButton *b : {m_PrintBtn, m_PdfBtn, m_SetupBtn, m_DesignBtn, m_CloseBtn}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    left->addLayout(buttons);

    // The page design panel.
    m_DesignPanel = named(new QGroupBox(this), "DesignPanel");
    auto *form = new QFormLayout(m_DesignPanel);
    m_TopMarginSE = millimetres(m_DesignPanel, "TopMarginSE", -50, 50);
    m_LeftMarginSE = millimetres(m_DesignPanel, "LeftMarginSE", -50, 50);
    m_RightMarginSE = millimetres(m_DesignPanel, "RightMarginSE", -50, 50);
    m_BottomMarginSE = millimetres(m_DesignPanel, "BottomMarginSE", -50, 50);
    m_ColumnSpaceSE = millimetres(m_DesignPanel, "ColumnSpaceSE", -50, 50);
    m_PageWidthSE = millimetres(m_DesignPanel, "PageWidthSE", 0, 210);
    m_PageHeightSE = millimetres(m_DesignPanel, "PageHeightSE", 0, 300);
    QDoubleSpinBox *fields[] = {m_TopMarginSE,   m_LeftMarginSE, m_RightMarginSE, m_BottomMarginSE,
                                m_ColumnSpaceSE, m_PageWidthSE,  m_PageHeightSE};
    for (int i = 0; i < 7; ++i) {
        m_designLabels[i] = new QLabel(m_DesignPanel);
        form->addRow(m_designLabels[i], fields[i]);
    }
    auto *ok = new QHBoxLayout;
    m_DesignOkBtn = named(new QPushButton(m_DesignPanel), "DesignOkBtn");
    m_DesignCancelBtn = named(new QPushButton(m_DesignPanel), "DesignCancelBtn");
    ok->addWidget(m_DesignOkBtn);
    ok->addWidget(m_DesignCancelBtn);
    form->addRow(ok);
    m_DesignPanel->hide();
    layout->addWidget(m_DesignPanel);

    auto rerender = [this] {
        if (!m_applying)
            render();
    };
    connect(m_BarEd, &QLineEdit::textChanged, this, rerender);
    connect(m_UEd, &QLineEdit::textChanged, this, rerender);
    connect(m_DEd, &QLineEdit::textChanged, this, rerender);
    connect(m_BarKindSp, &QComboBox::currentIndexChanged, this, rerender);
    connect(m_ColorBox1, &QComboBox::currentIndexChanged, this, rerender);
    connect(m_CSpn, &QSpinBox::valueChanged, this, rerender);
    connect(m_ZomSpn, &QSpinBox::valueChanged, this, rerender);
    connect(m_RatioSpn, &QSpinBox::valueChanged, this, rerender);
    connect(m_WhiteOnRight, &QDoubleSpinBox::valueChanged, this, rerender);
    connect(m_RSpn, &QSpinBox::valueChanged, this, [this] {
        if (!m_applying)
            RSpnChange();
    });
    connect(m_UChk, &QCheckBox::toggled, this, rerender);
    connect(m_DChk, &QCheckBox::toggled, this, rerender);
    connect(m_WeightChk, &QCheckBox::toggled, this, [this] {
        checkWeight();
        render();
    });
    connect(m_WeightEd, &QLineEdit::editingFinished, this, [this] {
        checkWeight();
        render();
    });
    connect(m_PrintBtn, &QPushButton::clicked, this, &TBarForm::PrintBtnClick);
    connect(m_PdfBtn, &QPushButton::clicked, this, &TBarForm::PdfBtnClick);
    connect(m_SetupBtn, &QPushButton::clicked, this, &TBarForm::SetupBtnClick);
    connect(m_DesignBtn, &QPushButton::clicked, this, &TBarForm::DesignBtnClick);
    connect(m_CloseBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(m_DesignOkBtn, &QPushButton::clicked, this, &TBarForm::DesignOkBtnClick);
    connect(m_DesignCancelBtn, &QPushButton::clicked, this, &TBarForm::DesignCancelBtnClick);

    m_printer = new QPrinter(QPrinter::HighResolution);
    connect(this, &QObject::destroyed, this, [p = m_printer] { delete p; });

    m_UChk->setChecked(true);
    m_DChk->setChecked(true);
    applySettings(m_settings);
}

void TBarForm::retranslate()
{
    setWindowTitle(tr("Barcode"));
    m_barLabel->setText(tr("Code"));
    m_kindLabel->setText(tr("Kind"));
    m_columnsLabel->setText(tr("Columns"));
    m_rowsLabel->setText(tr("Rows"));
    m_zoomLabel->setText(tr("Zoom"));
    m_ratioLabel->setText(tr("Bar Width"));
    m_colorLabel->setText(tr("Color"));
    m_whiteLabel->setText(tr("White on Rigt"));
    m_langLabel->setText(tr("Language"));
    m_UChk->setText(tr("Up Label"));
    m_DChk->setText(tr("Down Label"));
    m_WeightChk->setText(tr("Quantity"));
    m_StChk->setText(tr("Print &Stretch "));
    m_PrintBtn->setText(tr("Print"));
    m_PdfBtn->setText(tr("PDF"));
    m_SetupBtn->setToolTip(tr("Printer setup of the label sheet"));
    m_CloseBtn->setToolTip(tr("Close"));
    m_DesignBtn->setText(tr("Design"));
    m_DesignPanel->setTitle(tr("Design"));
    const QString design[] = {tr("Top Margin"),    tr("Left Margin"),  tr("Rigt Margin"),
                              tr("Bottom Margin"), tr("Column Space"), tr("Width"),
                              tr("Height")};
    for (int i = 0; i < 7; ++i)
        m_designLabels[i]->setText(design[i]);
    m_DesignOkBtn->setText(tr("OK"));
    m_DesignCancelBtn->setText(tr("Cancel"));
    if (m_DEd->text().isEmpty())
        m_DEd->setText(tr("Description"));
}

void TBarForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The language choice follows the interface language.
        m_LangCB->setCurrentIndex(appState().IsArabic ? 0 : 1);
    }
    QDialog::changeEvent(event);
}

// -- the settings file --------------------------------------------------------

void TBarForm::setSettingsPath(const QString &path)
{
    m_settingsPath = path;
}

QString TBarForm::settingsPath() const
{
    if (!m_settingsPath.isEmpty())
        return m_settingsPath;
    const QString dir = appState().AppDir.isEmpty() ? AppDir::defaultDir() : appState().AppDir;
    return Labels::Settings::fileName(dir);
}

void TBarForm::loadSettings()
{
    Labels::Settings s = settings();
    QString error;
    if (!s.open(settingsPath(), &error))
        MsgBox::warning(this, error);
    applySettings(s);
}

void TBarForm::saveSettings()
{
    QString error;
    if (!settings().save(settingsPath(), &error))
        MsgBox::warning(this, error);
}

Labels::Settings TBarForm::settings() const
{
    Labels::Settings s = m_settings; // the page of the sheet
    s.upperText = m_UEd->text();
    s.columns = m_CSpn->value();
    s.rows = m_RSpn->value();
    s.symbology = m_BarKindSp->currentIndex();
    s.barColor = LabelSheet::valueOf(barColor());
    s.zoom = m_ZomSpn->value();
    s.ratio = m_RatioSpn->value();
    s.language = m_LangCB->currentIndex() == 0 ? 0 : 1;
    s.stretch = m_StChk->isChecked();
    s.upperOn = m_UChk->isChecked();
    s.whiteOnRight = m_WhiteOnRight->value();
    return s;
}

void TBarForm::applySettings(const Labels::Settings &s)
{
    m_settings = s;
    m_applying = true;
    m_UEd->setText(s.upperText);
    m_CSpn->setValue(s.columns);
    m_RSpn->setValue(s.rows);
    m_BarKindSp->setCurrentIndex(s.symbology);
    setBarColor(LabelSheet::colorOf(s.barColor));
    m_ZomSpn->setValue(s.zoom);
    m_RatioSpn->setValue(s.ratio);
    m_LangCB->setCurrentIndex(s.language == 0 ? 0 : 1);
    m_StChk->setChecked(s.stretch);
    m_UChk->setChecked(s.upperOn);
    m_WhiteOnRight->setValue(s.whiteOnRight);
    m_applying = false;
    render();
}

QColor TBarForm::barColor() const
{
    const QColor c = m_ColorBox1->currentData().value<QColor>();
    return c.isValid() ? c : QColor(Qt::black);
}

void TBarForm::setBarColor(const QColor &color)
{
    int at = m_ColorBox1->findData(color);
    if (at < 0) {
        QPixmap swatch(16, 16);
        swatch.fill(color);
        m_ColorBox1->addItem(QIcon(swatch), color.name(), color);
        at = m_ColorBox1->count() - 1;
    }
    m_ColorBox1->setCurrentIndex(at);
}

// -- the label ------------------------------------------------------------------

void TBarForm::setItem(const QString &code, const QString &lowerText)
{
    m_BarEd->setText(code);
    m_DEd->setText(lowerText);
}

void TBarForm::showForItem(const QString &code, const QString &lowerText)
{
    m_showCode = true;
    m_itemMode = true;
    m_BarEd->setEchoMode(QLineEdit::Normal);
    m_BarEd->setVisible(false);
    m_barLabel->setVisible(false);
    m_LangCB->setVisible(false);
    m_langLabel->setVisible(false);
    setItem(code, lowerText);
    show();
    raise();
    activateWindow();
}

void TBarForm::showForPassword(const QString &password)
{
    m_showCode = false;
    m_itemMode = false;
    // The password is printed in bars only, never shown in clear.
    m_BarEd->setEchoMode(QLineEdit::Password);
    m_BarEd->setVisible(true);
    m_barLabel->setVisible(true);
    m_LangCB->setVisible(false);
    m_langLabel->setVisible(false);
    m_BarEd->setText(password);
    show();
    raise();
    activateWindow();
}

LabelContent TBarForm::content() const
{
    LabelContent c;
    c.data =
        Labels::encodedData(m_BarEd->text(), m_WeightChk->isChecked(), m_WeightEd->text()).data;
    c.showCode = m_showCode;
    c.upperText = m_UEd->text();
    c.upperOn = m_UChk->isChecked();
    c.lowerText = m_DEd->text();
    c.lowerOn = m_DChk->isChecked();
    c.symbology = m_BarKindSp->currentIndex();
    c.zoom = m_ZomSpn->value();
    c.ratio = m_RatioSpn->value();
    c.color = barColor();
    c.whiteOnRight = m_WhiteOnRight->value();
    c.barHeight = Labels::barHeight(m_settings.topMargin, m_settings.bottomMargin, m_RSpn->value());
    return c;
}

void TBarForm::checkWeight()
{
    if (!m_WeightChk->isChecked())
        return;
    const Labels::Encoded e = Labels::encodedData(m_BarEd->text(), true, m_WeightEd->text());
    if (e.weightOk)
        return;
    MsgBox::error(this, e.message);
    m_WeightEd->setText(e.fixedWeight);
}

void TBarForm::render()
{
    const LabelContent c = content();
    m_image = LabelSheet::renderLabel(c);
    m_ErrorLB->setText(c.data.isEmpty() ? QString() : LabelSheet::symbolError(c));
    QPixmap shown = QPixmap::fromImage(m_image);
    if (shown.width() > m_BarImage->width() || shown.height() > m_BarImage->height())
        shown = shown.scaled(m_BarImage->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_BarImage->setPixmap(shown);
}

void TBarForm::RSpnChange()
{
    // The rows set the bar height (content() computes it) and the label band.
    render();
}

Print::Report TBarForm::sheetReport() const
{
    return LabelSheet::sheet(content(), settings());
}

// -- printing -------------------------------------------------------------------

void TBarForm::PrintBtnClick()
{
    render();
    const Print::Report report = sheetReport();
    if (options().isOn(QString::fromLatin1(OptKey::Preview))) {
        if (previewHook()) {
            previewHook()(report);
            return;
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(report.title);
        PrintOutput::applyPageSetup(report, printer);
        QPrintPreviewDialog dialog(&printer, this);
        dialog.setWindowTitle(report.title);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                [&report](QPrinter *p) { PrintOutput::paint(report, *p); });
        dialog.exec();
        return;
    }
    const QString name = options().text(QString::fromLatin1(OptKey::PrinterBarcode));
    if (!name.isEmpty()) {
        // The barcode printer of the options, never another one.
        const PrintOutput::Result r = PrintOutput::printOn(report, name);
        if (!r.printed)
            MsgBox::warning(this, r.message);
        return;
    }
    // The printer of the label sheet ("S"), at once.
    if (PrintOutput::print(report, *m_printer) <= 0)
        MsgBox::warning(this, tr("The labels could not be printed."));
}

void TBarForm::SetupBtnClick()
{
    PrintOutput::applyPageSetup(sheetReport(), *m_printer);
    FileDialogs::print(this, m_printer);
}

void TBarForm::PdfBtnClick()
{
    const QString file =
        FileDialogs::saveFileName(this, tr("Save the labels as PDF"), QString(), tr("PDF (*.pdf)"));
    if (file.isEmpty())
        return;
    render();
    QString error;
    if (!PrintOutput::writePdf(sheetReport(), file, &error))
        MsgBox::error(this, error);
}

// -- the page design ------------------------------------------------------------

void TBarForm::DesignBtnClick()
{
    m_TopMarginSE->setValue(m_settings.topMargin);
    m_LeftMarginSE->setValue(m_settings.leftMargin);
    m_RightMarginSE->setValue(m_settings.rightMargin);
    m_BottomMarginSE->setValue(m_settings.bottomMargin);
    m_ColumnSpaceSE->setValue(m_settings.columnSpace);
    m_PageWidthSE->setValue(m_settings.pageWidth);
    m_PageHeightSE->setValue(m_settings.pageHeight);
    m_DesignPanel->show();
}

void TBarForm::DesignOkBtnClick()
{
    m_settings.topMargin = m_TopMarginSE->value();
    m_settings.leftMargin = m_LeftMarginSE->value();
    m_settings.rightMargin = m_RightMarginSE->value();
    m_settings.bottomMargin = m_BottomMarginSE->value();
    m_settings.columnSpace = m_ColumnSpaceSE->value();
    m_settings.pageWidth = m_PageWidthSE->value();
    m_settings.pageHeight = m_PageHeightSE->value();
    saveSettings();
    m_DesignPanel->hide();
    render();
}

void TBarForm::DesignCancelBtnClick()
{
    m_DesignPanel->hide();
}

// -- window ---------------------------------------------------------------------

void TBarForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        loadSettings();
}

void TBarForm::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        saveSettings();
    QDialog::hideEvent(event);
}

void TBarForm::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragFrom = event->globalPosition().toPoint() - frameGeometry().topLeft();
    QDialog::mousePressEvent(event);
}

void TBarForm::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging the background moves the window.
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - m_dragFrom);
    QDialog::mouseMoveEvent(event);
}
