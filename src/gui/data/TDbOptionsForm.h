#pragma once

#include "data/DbSettings.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TDbOptionsForm;
}

class TDataFormSQL;

// The connection settings window: server, login name and password of the
// database server (dbOptions.txt in the data folder), the year database to
// open and the backup time limit. The fields stay locked until "Change
// Options"; "Save Changes" writes the file and reconnects.
class TDbOptionsForm : public QDialog
{
    Q_OBJECT
public:
    explicit TDbOptionsForm(TDataFormSQL &data, QWidget *parent = nullptr);
    ~TDbOptionsForm() override;

    // The fields from / to settings (the database name is DBNameED).
    void setSettings(const DbSettings &settings);
    DbSettings settings() const;
    void setDatabaseName(const QString &name);
    QString databaseName() const;
    // Backup command time limit in seconds (not stored anywhere).
    int backupTimeout() const;

    bool fieldsLocked() const;
    // The settings file of the data folder.
    static QString settingsPath();

    void retranslate();

public slots:
    void changeOptions();
    // Writes the settings file, locks the fields and opens the database of
    // DBNameED with the new settings. Returns whether it is open.
    bool saveChanges();

signals:
    void connected();
    // The settings were saved but the database could not be opened.
    void connectFailed();

protected:
    void changeEvent(QEvent *event) override;

private:
    void setLocked(bool locked);

    TDataFormSQL &m_data;
    std::unique_ptr<Ui::TDbOptionsForm> m_ui;
};
