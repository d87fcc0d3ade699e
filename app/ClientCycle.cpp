#include "ClientCycle.h"

#include "AppSettings.h"
#include "CommSend.h"
#include "DialogLogin.h"
#include "Language.h"
#include "MainWindowConn.h"
#include "MyMessageBox.h"
#include "ReadOutSplash.h"
#include "UiOperate.h"

#include <QApplication>
#include <QEventLoop>
#include <QIcon>
#include <QPixmap>

namespace ClientCycle {

namespace {

// Waits, without spinning, until the orchestrator has either shown the main
// window or found the master silent.
void waitForLaunch(UiOperate &orchestrator)
{
    if (orchestrator.launchState() != 0)
        return;
    QEventLoop loop;
    QObject::connect(&orchestrator, &UiOperate::launchStateChanged, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int run(QApplication &app)
{
    Language::installFromSettings();
    // Decoded once for every window of the program, before the login: the
    // main window is built while the pumps are read out.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":images/app_icon.jpg")));
    QSettings &settings = AppSettings::store();
    if (AppSettings::isFirstRun(settings))
        AppSettings::writeNetworkDefaults(settings);

    ReadOutSplash splash(QPixmap(QStringLiteral(":/images/time.png")));
    DialogLogin login;
    CommSend *queue = CommSend::instance();

    int code = 0;
    for (;;) {
        const QMetaObject::Connection routing =
            QObject::connect(queue, &CommSend::returnStatus, &login, &DialogLogin::recieveData);
        const int accepted = login.exec();
        QObject::disconnect(routing);
        if (accepted != QDialog::Accepted) {
            code = 0;
            break;
        }
        // Nothing of the last cycle's read-out.
        splash.setProgress(QString(), 0, 0);
        splash.show();
        app.processEvents();

        UiOperate orchestrator([] { return new MainWindowConn; });
        splash.follow(orchestrator);
        orchestrator.startLaunch(login.launchMode());
        waitForLaunch(orchestrator);

        if (orchestrator.launchState() > 0) {
            splash.finish(dynamic_cast<QWidget *>(orchestrator.mainWindow()));
            code = app.exec();
        } else {
            splash.close();
            MyMessageBox::prompt(&login, 2);
            code = MainWindowConn::kRestartCode;
        }
        if (code != MainWindowConn::kRestartCode)
            break;
    }
    return code;
}

} // namespace ClientCycle
