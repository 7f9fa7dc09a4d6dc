#include "data/AppDir.h"
#include "data/TDataFormSQL.h"
#include "shell/AppState.h"
#include "shell/TStoreForm.h"
#include "shell/Version.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(programName());
    QApplication::setApplicationVersion(programVersion());

    const QStringList arguments = QApplication::arguments();
    appState().AppDir = AppDir::fromArguments(arguments);
    // --quit-at-login: end as soon as the start-up has brought up the login
    // window (or the main window, when no login is asked for).
    const bool quitAtLogin = arguments.contains(QStringLiteral("--quit-at-login"));

    TDataFormSQL data;
    TStoreForm window(data);
    if (quitAtLogin) {
        QObject::connect(&window, &TStoreForm::startupFinished, &app, [&window] {
            QTimer::singleShot(0, &window, [&window] {
                window.closeWithoutQuestions();
                QCoreApplication::quit();
            });
        });
    }
    window.show();
    return QApplication::exec();
}
