#include "TDbOptionsForm.h"

#include "ui_TDbOptionsForm.h"

#include "data/TDataFormSQL.h"
#include "data/YearDatabases.h"
#include "shell/AppState.h"
#include "shell/MsgBox.h"

TDbOptionsForm::TDbOptionsForm(TDataFormSQL &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
    , m_ui(std::make_unique<Ui::TDbOptionsForm>())
{
    m_ui->setupUi(this);
    connect(m_ui->ChangeBtn, &QPushButton::clicked, this, &TDbOptionsForm::changeOptions);
    connect(m_ui->SaveBtn, &QPushButton::clicked, this, &TDbOptionsForm::saveChanges);
    connect(m_ui->CloseBtn, &QPushButton::clicked, this, &QDialog::close);
    setSettings(DbSettings());
    setLocked(true);
}

TDbOptionsForm::~TDbOptionsForm() = default;

void TDbOptionsForm::setSettings(const DbSettings &settings)
{
    m_ui->ServerED->setText(settings.server);
    m_ui->UNameED->setText(settings.user);
    m_ui->PAssED->setText(settings.password);
    if (!settings.database.isEmpty())
        m_ui->DBNameED->setText(settings.database);
}

DbSettings TDbOptionsForm::settings() const
{
    DbSettings settings;
    settings.server = m_ui->ServerED->text().trimmed();
    settings.user = m_ui->UNameED->text().trimmed();
    settings.password = m_ui->PAssED->text();
    settings.database = m_ui->DBNameED->text().trimmed();
    return settings;
}

void TDbOptionsForm::setDatabaseName(const QString &name)
{
    m_ui->DBNameED->setText(name);
}

QString TDbOptionsForm::databaseName() const
{
    return m_ui->DBNameED->text().trimmed();
}

int TDbOptionsForm::backupTimeout() const
{
    return m_ui->TimeOutSE->value();
}

bool TDbOptionsForm::fieldsLocked() const
{
    return !m_ui->ServerED->isEnabled();
}

QString TDbOptionsForm::settingsPath()
{
    return appState().AppDir + QString::fromLatin1(DbSettings::kFileName);
}

void TDbOptionsForm::setLocked(bool locked)
{
    for (QWidget *field : {static_cast<QWidget *>(m_ui->ServerED), static_cast<QWidget *>(m_ui->UNameED),
                           static_cast<QWidget *>(m_ui->PAssED), static_cast<QWidget *>(m_ui->DBNameED),
                           static_cast<QWidget *>(m_ui->TimeOutSE)})
        field->setEnabled(!locked);
    m_ui->SaveBtn->setEnabled(!locked);
    m_ui->ChangeBtn->setEnabled(locked);
}

void TDbOptionsForm::changeOptions()
{
    setLocked(false);
    m_ui->ServerED->setFocus();
}

bool TDbOptionsForm::saveChanges()
{
    const DbSettings values = settings();
    QString error;
    if (!values.save(settingsPath(), &error)) {
        MsgBox::error(this, tr("The database settings could not be saved to %1:\n%2")
                                .arg(settingsPath(), error));
        return false;
    }
    setLocked(true);

    const QString name = databaseName();
    const ConnectionParams params = values.params(appState().AppDir, name);
    if (!name.isEmpty() && YearDatabases::exists(params) && m_data.OpenDB(params)) {
        emit connected();
        return true;
    }
    MsgBox::error(this, QStringLiteral("SQL Server Error OR Database is not exists:") + name);
    emit connectFailed();
    return false;
}

void TDbOptionsForm::retranslate()
{
    m_ui->retranslateUi(this);
}

void TDbOptionsForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
