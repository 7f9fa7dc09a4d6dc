#pragma once

#include "accounts/Currency.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TStoreForm;

// The currency window: the names of the currency and of its fractional
// unit in both languages, the Arabic dual and plural forms, the number of
// parts and the gender of the two nouns. A country choice fills in a
// preset; a test line shows an amount in words with the names as edited.
// "OK" stores the record into the options in memory (they reach the
// database with the next save of the options), "Cancel" puts the stored
// record back.
class TMoneyForm : public QDialog
{
    Q_OBJECT
public:
    explicit TMoneyForm(QWidget *parent = nullptr);

    // fields <- record; the country choice goes back to "Chose"
    void setCurrency(const Currency &currency);
    // record <- fields (names as typed, not yet cut)
    Currency currency() const;
    // fields <- the record in the options
    void fromOptions();

    void retranslate();

public slots:
    void BitBtn1Click(); // OK
    void BitBtn2Click(); // Cancel

protected:
    void changeEvent(QEvent *event) override;

private:
    void countryChosen(int index);
    void updateSample();

    QLabel *m_countryLbl = nullptr;
    QComboBox *m_country = nullptr;
    QLabel *m_nameLbl = nullptr;
    QLabel *m_partLbl = nullptr;
    QLabel *m_twoLbl = nullptr;
    QLabel *m_manyLbl = nullptr;
    QLineEdit *m_aName = nullptr;
    QLineEdit *m_eName = nullptr;
    QLineEdit *m_aPart = nullptr;
    QLineEdit *m_ePart = nullptr;
    QLineEdit *m_twoName = nullptr;
    QLineEdit *m_twoPart = nullptr;
    QLineEdit *m_manyName = nullptr;
    QLineEdit *m_manyPart = nullptr;
    QLabel *m_partsLbl = nullptr;
    QRadioButton *m_parts100 = nullptr;
    QRadioButton *m_parts1000 = nullptr;
    QButtonGroup *m_partsGroup = nullptr;
    QCheckBox *m_moneyMale = nullptr;
    QCheckBox *m_partMale = nullptr;
    QLabel *m_sampleLbl = nullptr;
    QLineEdit *m_sampleAmount = nullptr;
    QLabel *m_sampleEnglish = nullptr;
    QLabel *m_sampleArabic = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_filling = false;
};

// Opens the currency window over `parent`, filled from the options.
TMoneyForm *openMoneyForm(QWidget *parent);

// At the end of a successful start, while no Arabic currency name is
// stored, the window is shown with the "UAE " preset filled in. Not while
// QARVEL_MSGBOX_AUTOANSWER is set (unattended runs and tests).
void installMoneyForm(TStoreForm &window);
