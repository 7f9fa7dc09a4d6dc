#pragma once

#include "LabelSheet.h"
#include "items/Labels.h"

#include <QDialog>
#include <QPoint>

#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;

// The label window: one barcode label of the current item (or of a
// password), its settings, and the A4 sheet of identical labels in
// columns and rows. The settings live in the label settings file of the
// data folder: read when the window opens, written when it closes and when
// the page design is confirmed.
class TBarForm : public QDialog
{
    Q_OBJECT
public:
    explicit TBarForm(QWidget *parent = nullptr);

    // The settings file (default: the one of the data folder).
    void setSettingsPath(const QString &path);
    QString settingsPath() const;

    // The label source: the item's code and the text under the bars.
    void setItem(const QString &code, const QString &lowerText);
    // Opens for an item: the code comes from the item (its field and the
    // language choice hidden), the readable code shown with the bars.
    void showForItem(const QString &code, const QString &lowerText);
    // Opens for a password: the readable code and the language hidden.
    void showForPassword(const QString &password);

    // Open for an item (not for a password).
    bool isItemMode() const { return m_itemMode; }

    LabelContent content() const;
    Labels::Settings settings() const;
    Print::Report sheetReport() const;
    QImage labelImage() const { return m_image; }
    // The label is drawn again from the controls.
    void render();

    // -- the window's operations
    void PrintBtnClick();
    void PdfBtnClick();
    void SetupBtnClick();
    void DesignBtnClick();
    void DesignOkBtnClick();
    void DesignCancelBtnClick();
    void RSpnChange();

    // Test seam: called with the sheet a preview would show; the preview
    // itself is not shown while a hook is set.
    using PreviewHook = std::function<void(const Print::Report &)>;
    static void setPreviewHook(PreviewHook hook);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void build();
    void retranslate();
    void loadSettings();
    void saveSettings();
    void applySettings(const Labels::Settings &s);
    void checkWeight();
    QColor barColor() const;
    void setBarColor(const QColor &color);

    QString m_settingsPath;
    Labels::Settings m_settings; // the sheet's page and what the file holds
    QImage m_image;
    bool m_showCode = true;
    bool m_itemMode = false;
    bool m_applying = false;
    QPoint m_dragFrom;
    QPrinter *m_printer = nullptr; // the label sheet's printer ("S")

    QLabel *m_barLabel = nullptr, *m_kindLabel = nullptr, *m_columnsLabel = nullptr,
           *m_rowsLabel = nullptr, *m_zoomLabel = nullptr, *m_ratioLabel = nullptr,
           *m_colorLabel = nullptr, *m_whiteLabel = nullptr, *m_langLabel = nullptr;
    QLineEdit *m_BarEd = nullptr, *m_UEd = nullptr, *m_DEd = nullptr, *m_WeightEd = nullptr;
    QComboBox *m_BarKindSp = nullptr, *m_ColorBox1 = nullptr, *m_LangCB = nullptr;
    QSpinBox *m_CSpn = nullptr, *m_RSpn = nullptr, *m_ZomSpn = nullptr, *m_RatioSpn = nullptr;
    QDoubleSpinBox *m_WhiteOnRight = nullptr;
    QCheckBox *m_UChk = nullptr, *m_DChk = nullptr, *m_WeightChk = nullptr, *m_StChk = nullptr;
    QLabel *m_BarImage = nullptr, *m_ErrorLB = nullptr;
    QPushButton *m_PrintBtn = nullptr, *m_PdfBtn = nullptr, *m_SetupBtn = nullptr,
                *m_CloseBtn = nullptr, *m_DesignBtn = nullptr;

    QGroupBox *m_DesignPanel = nullptr;
    QLabel *m_designLabels[7] = {};
    QDoubleSpinBox *m_TopMarginSE = nullptr, *m_LeftMarginSE = nullptr, *m_RightMarginSE = nullptr,
                   *m_BottomMarginSE = nullptr, *m_ColumnSpaceSE = nullptr,
                   *m_PageWidthSE = nullptr, *m_PageHeightSE = nullptr;
    QPushButton *m_DesignOkBtn = nullptr, *m_DesignCancelBtn = nullptr;
};
