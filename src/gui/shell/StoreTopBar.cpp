#include "StoreTopBar.h"

#include "shell/AppState.h"
#include "shell/Companies.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>

StoreTopBar::StoreTopBar(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);

    m_arEn = new QPushButton(this);
    m_arEn->setObjectName(QStringLiteral("ArEn"));
    connect(m_arEn, &QPushButton::clicked, this, &StoreTopBar::languageClicked);
    layout->addWidget(m_arEn);

    m_calc = new QPushButton(this);
    m_calc->setObjectName(QStringLiteral("CalcBtn"));
    m_calc->setEnabled(false);
    layout->addWidget(m_calc);

    m_multiPanel = new QWidget(this);
    m_multiPanel->setObjectName(QStringLiteral("MultiPanel"));
    auto *companies = new QHBoxLayout(m_multiPanel);
    companies->setContentsMargins(0, 0, 0, 0);
    static const char *const names[5] = {"MainBtn", "BranchBtn", "TransBtn", "FlatBtn", "Trans2Btn"};
    for (int i = 0; i < 5; ++i) {
        // A company without a caption has an inactive "---" button.
        const Company *company = Companies::byNumber(i + 1);
        const QString caption = company ? company->buttonCaption : QString();
        m_companies[i] = new QPushButton(caption.isEmpty() ? QStringLiteral("---") : caption, m_multiPanel);
        m_companies[i]->setObjectName(QString::fromLatin1(names[i]));
        m_companies[i]->setEnabled(false);
        companies->addWidget(m_companies[i]);
    }
    layout->addWidget(m_multiPanel);
    layout->addStretch(1);

    m_logout = new QPushButton(this);
    m_logout->setObjectName(QStringLiteral("LogoutBtn"));
    connect(m_logout, &QPushButton::clicked, this, &StoreTopBar::logoutClicked);
    layout->addWidget(m_logout);

    m_yearSP = new QComboBox(this);
    m_yearSP->setObjectName(QStringLiteral("YearSP"));
    m_yearSP->setMinimumContentsLength(4);
    layout->addWidget(m_yearSP);

    retranslate();
}

QPushButton *StoreTopBar::companyButton(int company) const
{
    return company >= 1 && company <= 5 ? m_companies[company - 1] : nullptr;
}

void StoreTopBar::retranslate()
{
    // The language button shows the interface language it is in.
    m_arEn->setText(appState().IsArabic ? QStringLiteral("Ar") : QStringLiteral("En"));
    m_arEn->setToolTip(tr("Switch the interface language"));
    m_calc->setText(tr("Calculator"));
    m_logout->setText(tr("Logout Ctrl+F1"));
    m_yearSP->setToolTip(tr("Working Year"));
}
