#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

class TDataFormSQL;

// The program's settings in memory. Windows read and write them through
// this object; LoadOptions copies the rows of the open year database in,
// SaveOptions copies them out.
//
// The first numbers and opening totals belong to every year database. All
// other settings are loaded and saved only while the open database is the
// current year of the main company ("DATA"); in any other company or year
// the program keeps showing the settings last loaded.
namespace OptKey {
// first numbers and opening totals
inline const char FirstBillNo[] = "OptForm.FirstBillNo.text";
inline const char FirstPriceListNo[] = "OptForm.FirstPriceListNo.text";
inline const char FirstToUsNo[] = "OptForm.FirstToUsNo.text";
inline const char FirstFromUsNo[] = "OptForm.FirstFromUsNo.text";
inline const char FirstPayNo[] = "OptForm.FirstPayNo.text";
inline const char FirstCreditNo[] = "OptForm.FirstCreditNo.text";
inline const char FirstIndNo[] = "OptForm.FirstIndNo.text";
inline const char OAllMoney[] = "OAllMoneyEd.text";
inline const char OFGood[] = "OFGoodED.text";
inline const char FirstCash[] = "FirstCashED.text";
// general options
inline const char Zakah[] = "OptForm.ZakahChk.checked";
inline const char BTUs[] = "OptForm.BTUsChk.checked";
inline const char BFUs[] = "OptForm.BFUsChk.checked";
inline const char Ind[] = "OptForm.IndChk.checked";
inline const char EngCode[] = "OptForm.EngCodeChk.checked";
inline const char EngSale[] = "OptForm.EngSaleChk.checked";
inline const char AutoSave[] = "OptForm.AutoSaveChk.checked";
inline const char AutoSaveTime[] = "OptForm.AutoSaveTimeEd.Time";
inline const char AutoSavePath[] = "OptForm.AutoSavePathEd.text";
inline const char AutoSaveExit[] = "OptForm.AutoSaveExitChk.checked";
inline const char Ftp[] = "OptForm.ftpEd.text";
inline const char FtpUser[] = "OptForm.ftpUEd";  // secret: .text + .text0
inline const char FtpPassword[] = "OptForm.ftpPEd"; // secret: .text + .text0
inline const char FoodMenu[] = "OptForm.FoodMenuChk.checked";
inline const char CashInCaption[] = "OptForm.CashInCaptionChk.checked";
inline const char TopBar[] = "OptForm.TopBarChk.checked";
inline const char BottomBar[] = "OptForm.BottomBarChk.checked";
inline const char NewCalc[] = "OptForm.NewCalcChk.checked";
inline const char ConfPass[] = "OptForm.ConfPassSE.value";
inline const char MoreDebitDetail[] = "OptForm.MoreDebitDetailChk.checked";
inline const char FrameW[] = "OptForm.FrameWSE.value";
inline const char RowH[] = "OptForm.RowHSE.value";
inline const char Preview[] = "OptForm.PreviewChk.checked";
inline const char PrinterInv[] = "PrinterInvIDED.text";
inline const char PrinterDisplay[] = "PrinterDisplayNoED.text";
inline const char PrinterBarcode[] = "PrinterBarcodeNoED.text";
inline const char ArEn[] = "ArEn.caption";
inline const char CompLogo[] = "CompLogo";
} // namespace OptKey

class Options
{
public:
    static Options &instance();

    // -- values (keys are compared normalised)
    QString text(const QString &key) const;
    bool isOn(const QString &key) const;
    int number(const QString &key, int fallback = 0) const;
    double amount(const QString &key, double fallback = 0) const;
    void setText(const QString &key, const QString &value);
    void setOn(const QString &key, bool on);
    void setNumber(const QString &key, qint64 value);
    bool contains(const QString &key) const;
    // The value a key has before any database says otherwise.
    static QString defaultText(const QString &key);

    // Secrets kept in two rows (FTP user and password).
    QString secret(const QString &baseKey) const { return m_secrets.value(baseKey); }
    void setSecret(const QString &baseKey, const QString &value) { m_secrets[baseKey] = value; }

    // -- the first numbers, as numbers (a text that is no number gives 1)
    int firstNumber(const QString &key) const;

    // -- database
    static bool isFirstFamily(const QString &key);
    // True when settings of all families travel with the open database.
    static bool ownsAllFamilies();

    struct Result
    {
        bool ok = true;
        QString message; // "Error in Loading Options-Load Options" on failure
    };
    Result LoadOptions(TDataFormSQL &data);
    Result SaveOptions(TDataFormSQL &data);

    void resetToDefaults();

private:
    Options();
    QHash<QString, QString> m_values; // normalised key -> text
    QHash<QString, QString> m_secrets;
};

inline Options &options() { return Options::instance(); }
