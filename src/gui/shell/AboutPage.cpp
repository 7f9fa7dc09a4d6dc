#include "AboutPage.h"

#include "Version.h"
#include "shell/AppState.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutPage::AboutPage(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);

    m_greeting = new QLabel(QStringLiteral("بسم الله الرحمن الرحيم"), this);
    m_greeting->setObjectName(QStringLiteral("GreetingLB"));
    m_greeting->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_greeting);

    m_name = new QLabel(programName(), this);
    m_name->setObjectName(QStringLiteral("ProgramNameLB"));
    m_name->setAlignment(Qt::AlignCenter);
    QFont big = m_name->font();
    big.setPointSizeF(big.pointSizeF() * 2.5);
    big.setBold(true);
    m_name->setFont(big);
    layout->addWidget(m_name);

    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("VersionLB"));
    m_version->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_version);

    layout->addSpacing(24);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    m_arEn = new QPushButton(this);
    m_arEn->setObjectName(QStringLiteral("AboutArEn"));
    connect(m_arEn, &QPushButton::clicked, this, &AboutPage::languageClicked);
    row->addWidget(m_arEn);
    row->addStretch(1);
    layout->addLayout(row);

    m_shutdown = new QCheckBox(this);
    m_shutdown->setObjectName(QStringLiteral("ShutdownCHK"));
    auto *shutdownRow = new QHBoxLayout;
    shutdownRow->addStretch(1);
    shutdownRow->addWidget(m_shutdown);
    shutdownRow->addStretch(1);
    layout->addLayout(shutdownRow);

    layout->addStretch(2);
    retranslate();
}

void AboutPage::retranslate()
{
    const bool arabic = appState().IsArabic;
    m_greeting->setVisible(arabic);
    m_version->setText(tr("Version %1").arg(programVersion()));
    m_arEn->setText(arabic ? QStringLiteral("Ar") : QStringLiteral("En"));
    m_arEn->setToolTip(tr("Switch the interface language"));
    m_shutdown->setText(tr("Shut the computer down after the backup"));
}
