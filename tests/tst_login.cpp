#include "AppSettings.h"
#include "ClientFixture.h"
#include "CommSend.h"
#include "Communication.h"
#include "DialogIpPort.h"
#include "DialogLogin.h"
#include "MyMessageBox.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The login dialog and the network dialog against the simulator.
class TestLogin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void rightPasswordLogsIn();
    void wrongPasswordRaisesPrompt12_data();
    void wrongPasswordRaisesPrompt12();
    void emptyPasswordLogsInWhenThePumpHasNone();
    void returnKeyConfirms();
    void upgradeSkipsThePasswordCheck();
    void failedReadRaisesPrompt2();
    void passwordIsStoredOnlyWhileSavingIsOn();
    void savedPasswordIsFilledInAtStart();
    void noLinkRaisesPrompt11AndSendsNothing();
    void networkDialogRefusesWhatIsNotAnAddressOrPort();
    void networkDialogReconnectLeavesTheSettingsAlone();

private:
    template<typename T> T *child(const char *name) { return TestSupport::child<T>(m_login, name); }
    void typeAndConfirm(const QString &password);
    void waitForLink();

    ClientFixture m_fixture;
    DialogLogin *m_login = nullptr;
};

void TestLogin::initTestCase()
{
    QVERIFY(m_fixture.start());
    m_login = m_fixture.openLogin();
    QVERIFY(m_login);
    QVERIFY(child<QLineEdit>("lEPassword"));
    QVERIFY(child<QCheckBox>("cBoxSave"));
    QVERIFY(child<QPushButton>("btnConfirm"));
    QVERIFY(child<QPushButton>("btnUpgrade"));
    QCOMPARE(m_login->windowTitle(), QStringLiteral("Login"));
}

void TestLogin::cleanupTestCase()
{
    delete m_login;
}

void TestLogin::waitForLink()
{
    QTRY_VERIFY(Communication::current() &&
                Communication::current()->socketState() == Communication::kConnectedState);
    // The simulator takes the connection on this thread, after the link sees it.
    QTRY_VERIFY(m_fixture.sim().hasClient());
}

void TestLogin::init()
{
    QTRY_VERIFY(CommSend::instance()->isIdle());
    m_fixture.sim().clearRequests();
    m_fixture.sim().setFaults(SimFaults());
    m_fixture.clearPrompts();
    m_login->setResult(0);
    m_login->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_login));
}

void TestLogin::typeAndConfirm(const QString &password)
{
    child<QLineEdit>("lEPassword")->setText(password);
    QTest::mouseClick(child<QPushButton>("btnConfirm"), Qt::LeftButton);
}

void TestLogin::rightPasswordLogsIn()
{
    ClientFixture::screenshot(m_login, QStringLiteral("login"));
    typeAndConfirm(QStringLiteral("572913"));
    QTRY_COMPARE(m_login->result(), int(QDialog::Accepted));
    QVERIFY(!m_login->isVisible());
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>());
    QCOMPARE(m_login->launchMode(), 0);
    QCOMPARE(m_fixture.sim().requestCount(), 1);
    const PumpSimulator::Request request = m_fixture.sim().requests().first();
    QCOMPARE(request.slave, 1);
    QCOMPARE(request.function, 3);
    QCOMPARE(request.index, 161);
    QCOMPARE(request.count, 4);
}

void TestLogin::wrongPasswordRaisesPrompt12_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("one character wrong") << QStringLiteral("572914");
    QTest::newRow("five of six") << QStringLiteral("57291");
    QTest::newRow("one too many") << QStringLiteral("5729130");
    QTest::newRow("empty") << QString();
}

void TestLogin::wrongPasswordRaisesPrompt12()
{
    QFETCH(QString, typed);
    typeAndConfirm(typed);
    QTRY_COMPARE(m_fixture.promptNumbers(), QVector<int>({12}));
    QCOMPARE(m_fixture.prompts().first().parent.data(), m_login);
    QVERIFY(m_login->isVisible());
    QCOMPARE(m_login->result(), 0);
    // The field keeps what was typed.
    QCOMPARE(child<QLineEdit>("lEPassword")->text(), typed);
}

void TestLogin::emptyPasswordLogsInWhenThePumpHasNone()
{
    m_fixture.sim().setHoldingRegister(1, 161, 0);
    typeAndConfirm(QString());
    QTRY_COMPARE(m_login->result(), int(QDialog::Accepted));
    m_fixture.sim().setHoldingRegister(1, 161, 6);
}

void TestLogin::returnKeyConfirms()
{
    QLineEdit *field = child<QLineEdit>("lEPassword");
    field->setText(QStringLiteral("572913"));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_COMPARE(m_login->result(), int(QDialog::Accepted));
    QCOMPARE(m_fixture.sim().requestCount(), 1);
}

void TestLogin::upgradeSkipsThePasswordCheck()
{
    child<QLineEdit>("lEPassword")->setText(QStringLiteral("wrong"));
    QTest::mouseClick(child<QPushButton>("btnUpgrade"), Qt::LeftButton);
    QCOMPARE(m_login->result(), int(QDialog::Accepted));
    QCOMPARE(m_login->launchMode(), 1);
    // Give a stray password read time to reach the simulator: a loopback
    // round trip takes well under 100 ms.
    QTest::qWait(100);
    QCOMPARE(m_fixture.sim().requestCount(), 0);
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>());
    // Confirm clears the choice again.
    m_login->show();
    typeAndConfirm(QStringLiteral("572913"));
    QTRY_COMPARE(m_login->result(), int(QDialog::Accepted));
    QCOMPARE(m_login->launchMode(), 0);
}

void TestLogin::failedReadRaisesPrompt2()
{
    for (int attempt = 1; attempt <= 4; ++attempt)
        m_fixture.sim().scriptCorrupt(attempt);
    // The diagnostic lines as they stand, without quote marks.
    QTest::ignoreMessage(QtDebugMsg, "tcpstatus:3");
    QTest::ignoreMessage(QtDebugMsg, "login recieve statys:1");
    typeAndConfirm(QStringLiteral("572913"));
    QTRY_COMPARE(m_fixture.promptNumbers(), QVector<int>({2}));
    QVERIFY(m_login->isVisible());
    QCOMPARE(m_fixture.sim().requestCount(), 4);
}

void TestLogin::passwordIsStoredOnlyWhileSavingIsOn()
{
    QSettings &settings = AppSettings::store();
    QCheckBox *save = child<QCheckBox>("cBoxSave");

    save->setChecked(false);
    QCOMPARE(settings.value("save_password").toBool(), false);
    QVERIFY(!settings.contains("login_password"));
    typeAndConfirm(QStringLiteral("572913"));
    QTRY_COMPARE(m_login->result(), int(QDialog::Accepted));
    settings.sync();
    QVERIFY(!settings.contains("login_password"));
    QFile file(settings.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!file.readAll().contains("572913"));

    m_login->setResult(0);
    m_login->show();
    save->setChecked(true);
    QCOMPARE(settings.value("save_password").toBool(), true);
    typeAndConfirm(QStringLiteral("572913"));
    QTRY_COMPARE(m_login->result(), int(QDialog::Accepted));
    QCOMPARE(settings.value("login_password").toString(), QStringLiteral("572913"));

    save->setChecked(false);
    QVERIFY(!settings.contains("login_password"));
    save->setChecked(true);
}

void TestLogin::savedPasswordIsFilledInAtStart()
{
    // The dialog was built with "save_password" 1 and the factory password.
    QVERIFY(child<QCheckBox>("cBoxSave")->isChecked());
    QCOMPARE(child<QLineEdit>("lEPassword")->echoMode(), QLineEdit::Password);
}

void TestLogin::noLinkRaisesPrompt11AndSendsNothing()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const int closedPort = probe.serverPort();
    probe.close();

    DialogIpPort dialog(m_login);
    dialog.show();
    dialog.findChild<QLineEdit *>("leIp")->setText(QStringLiteral("127.0.0.1"));
    dialog.findChild<QLineEdit *>("lePort")->setText(QString::number(closedPort));
    QTest::mouseClick(dialog.findChild<QPushButton *>("btnReConnect"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture.promptNumbers(), QVector<int>({10}));
    dialog.close();
    m_fixture.clearPrompts();
    m_fixture.sim().clearRequests();

    typeAndConfirm(QStringLiteral("572913"));
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>({11}));
    QTest::mouseClick(child<QPushButton>("btnUpgrade"), Qt::LeftButton);
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>({11, 11}));
    QVERIFY(m_login->isVisible());
    QCOMPARE(m_fixture.sim().requestCount(), 0);

    // Back to the simulator.
    DialogIpPort back(m_login);
    back.findChild<QLineEdit *>("lePort")->setText(QString::number(m_fixture.sim().port()));
    QTest::mouseClick(back.findChild<QPushButton *>("btnReConnect"), Qt::LeftButton);
    waitForLink();
}

void TestLogin::networkDialogRefusesWhatIsNotAnAddressOrPort()
{
    QSettings &settings = AppSettings::store();
    const QVariant port = settings.value("net_port");
    const QVariant ip = settings.value("net_ip");
    QStringList warnings;
    MyMessageBox::setWarningObserver(
        [&warnings](QWidget *, const QString &text) { warnings << text; });
    // A stop or a dial would change the link's state.
    QSignalSpy linkStates(Communication::current(), &Communication::conStatus);

    DialogIpPort dialog(m_login);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("IP and PORT setup"));
    QCOMPARE(dialog.findChild<QLineEdit *>("lePort")->text(), port.toString());
    dialog.show();
    auto *ipEdit = dialog.findChild<QLineEdit *>("leIp");
    auto *portEdit = dialog.findChild<QLineEdit *>("lePort");
    const struct
    {
        const char *ip;
        const char *port;
        const char *field;
    } entries[] = {{"127.0.0.1", "99999x", "PORT"},
                   {"127.0.0.1", "0", "PORT"},
                   {"127.0.0.1", "65536", "PORT"},
                   {"127.0.0.1", "", "PORT"},
                   {"127.0.0.999", "8899", "IP"},
                   {"reef bridge", "8899", "IP"},
                   {"", "8899", "IP"}};
    for (const auto &entry : entries) {
        for (const char *button : {"btnConfirm", "btnReConnect"}) {
            warnings.clear();
            ipEdit->setText(QLatin1String(entry.ip));
            portEdit->setText(QLatin1String(entry.port));
            QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
            QCOMPARE(warnings.size(), 1);
            QVERIFY2(warnings.first().startsWith(QLatin1String(entry.field)),
                     qPrintable(warnings.first()));
            QVERIFY(dialog.isVisible());
            QCOMPARE(settings.value("net_port"), port);
            QCOMPARE(settings.value("net_ip"), ip);
        }
    }
    // Nothing was dialled: the link still holds its one connection.
    QTest::qWait(200); // a reconnect would have closed and dialled by now
    QCOMPARE(linkStates.count(), 0);
    QCOMPARE(Communication::current()->socketState(), 3);

    // A host name and a port in range are stored as typed, trimmed.
    warnings.clear();
    ipEdit->setText(QStringLiteral(" localhost "));
    portEdit->setText(QStringLiteral("502"));
    QTest::mouseClick(dialog.findChild<QPushButton *>("btnConfirm"), Qt::LeftButton);
    QVERIFY(warnings.isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(settings.value("net_ip").toString(), QStringLiteral("localhost"));
    QCOMPARE(settings.value("net_port").toInt(), 502);
    // The running link is not changed by Confirm.
    QCOMPARE(Communication::current()->socketState(), 3);
    MyMessageBox::setWarningObserver(nullptr);
    settings.setValue("net_port", port);
    settings.setValue("net_ip", ip);
}

void TestLogin::networkDialogReconnectLeavesTheSettingsAlone()
{
    PumpSimulator other;
    QVERIFY(other.listen(0));
    QSignalSpy otherConnected(&other, &PumpSimulator::clientConnected);
    QSettings &settings = AppSettings::store();
    const QVariant port = settings.value("net_port");

    {
        DialogIpPort dialog(m_login);
        dialog.show();
        ClientFixture::screenshot(&dialog, QStringLiteral("network"));
        dialog.findChild<QLineEdit *>("lePort")->setText(QString::number(other.port()));
        QTest::mouseClick(dialog.findChild<QPushButton *>("btnReConnect"), Qt::LeftButton);
        QVERIFY(otherConnected.wait(5000));
        QTRY_VERIFY(m_fixture.promptNumbers().contains(9));
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.findChild<QPushButton *>("btnCancel"), Qt::LeftButton);
    }
    QCOMPARE(settings.value("net_port"), port);

    // The login now reads the password from the other pump.
    m_fixture.clearPrompts();
    typeAndConfirm(QStringLiteral("572913"));
    QTRY_COMPARE(m_login->result(), int(QDialog::Accepted));
    QCOMPARE(other.requestCount(), 1);
    QCOMPARE(m_fixture.sim().requestCount(), 0);

    DialogIpPort back(m_login);
    back.findChild<QLineEdit *>("lePort")->setText(port.toString());
    QTest::mouseClick(back.findChild<QPushButton *>("btnReConnect"), Qt::LeftButton);
    QTRY_VERIFY(m_fixture.sim().hasClient());
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
