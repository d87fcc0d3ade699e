#include "AppSettings.h"
#include "BatchStart.h"
#include "ClientFixture.h"
#include "CommBackOperate.h"
#include "CommSend.h"
#include "Communication.h"
#include "DialogLogin.h"
#include "DialogPassword.h"
#include "MainWindowConn.h"
#include "PasswordChange.h"
#include "RegisterImage.h"
#include "TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

int pair(char high, char low)
{
    return static_cast<uchar>(high) * 256 + static_cast<uchar>(low);
}

class Outcomes : public CommBackOperate
{
public:
    void operateSuccess() override { got.append(0); }
    void operateFailure(int status) override { got.append(status); }
    QVector<int> got;
};

} // namespace

// The password dialog against the simulator, with the queue and link the
// login dialog starts, as in the product.
class TestPassword : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void packingKeepsTwoCharactersPerRegister();
    void formHasItsFieldsAndTitle();
    void newPasswordAbcLandsInThePumpAndLogsIn();
    void checksRunInOrderAndWriteNothing_data();
    void checksRunInOrderAndWriteNothing();
    void nonAsciiPasswordIsRefusedBeforeAnythingIsSent();
    void confirmDuringARunningBatchDoesNothing();
    void failedReadRaisesPrompt2();
    void newPasswordIsStoredOnlyWhileSavingIsOn();
    void passwordMenuOpensTheDialog();

private:
    void fill(const QString &old, const QString &fresh, const QString &confirm);
    void confirm();
    void restoreFactoryPassword();
    template<typename T> T *child(const char *name)
    {
        return TestSupport::child<T>(m_dialog, name);
    }

    ClientFixture m_fixture;
    DialogLogin *m_login = nullptr;
    DialogPassword *m_dialog = nullptr;
};

void TestPassword::initTestCase()
{
    QVERIFY(m_fixture.start());
    m_login = m_fixture.openLogin();
    QVERIFY(m_login);
}

void TestPassword::cleanupTestCase()
{
    delete m_login;
}

void TestPassword::restoreFactoryPassword()
{
    PumpSimulator &sim = m_fixture.sim();
    sim.setHoldingRegister(1, 161, 6);
    sim.setHoldingRegister(1, 162, pair('5', '7'));
    sim.setHoldingRegister(1, 163, pair('2', '9'));
    sim.setHoldingRegister(1, 164, pair('1', '3'));
    sim.setCoil(1, 34, 0);
}

void TestPassword::init()
{
    QTRY_VERIFY(CommSend::instance()->isIdle());
    restoreFactoryPassword();
    m_fixture.sim().setFaults(SimFaults());
    m_fixture.sim().clearRequests();
    m_fixture.clearPrompts();
    m_dialog = new DialogPassword;
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
}

void TestPassword::cleanup()
{
    // A batch still running calls back into the dialog it was started by.
    QTRY_VERIFY(CommSend::instance()->isIdle());
    delete m_dialog;
    m_dialog = nullptr;
}

void TestPassword::fill(const QString &old, const QString &fresh, const QString &confirm)
{
    child<QLineEdit>("leOldPassword")->setText(old);
    child<QLineEdit>("leNewPassword")->setText(fresh);
    child<QLineEdit>("leConfirm")->setText(confirm);
}

void TestPassword::confirm()
{
    QTest::mouseClick(child<QPushButton>("btnConfirm"), Qt::LeftButton);
}

void TestPassword::packingKeepsTwoCharactersPerRegister()
{
    RegisterImage image;
    image.holdingRegisters[164] = 4242;
    PasswordChange::pack(image, "abc");
    QCOMPARE(image.holdingRegisters[161], 3);
    QCOMPARE(image.holdingRegisters[162], 'a' * 256 + 'b');
    QCOMPARE(image.holdingRegisters[163], 'c' * 256 + '0');
    QCOMPARE(image.holdingRegisters[164], 4242);
    QCOMPARE(int(image.coils[34]), 1);
    PasswordChange::pack(image, "123456");
    QCOMPARE(image.holdingRegisters[164], '5' * 256 + '6');
    QCOMPARE(PasswordChange::devicePassword(image), QByteArray("123456"));
    QVERIFY(PasswordChange::isAscii(QStringLiteral("a~Z 9")));
    QVERIFY(!PasswordChange::isAscii(QStringLiteral("caf\u00e9")));
}

void TestPassword::formHasItsFieldsAndTitle()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Password Setup"));
    for (const char *name : {"leOldPassword", "leNewPassword", "leConfirm"}) {
        QLineEdit *field = child<QLineEdit>(name);
        QVERIFY2(field, name);
        QCOMPARE(field->echoMode(), QLineEdit::Password);
        QCOMPARE(field->maxLength(), 32767);
    }
    QVERIFY(child<QLabel>("lbOldPassword"));
    QVERIFY(child<QLabel>("lbNewPassword"));
    QVERIFY(child<QLabel>("lbConfirm"));
    QCOMPARE(child<QPushButton>("btnConfirm")->text(), QStringLiteral("Confirm"));
    QCOMPARE(child<QPushButton>("btnCancel")->text(), QStringLiteral("Cancel"));
    ClientFixture::screenshot(m_dialog, QStringLiteral("password"));
    QTest::mouseClick(child<QPushButton>("btnCancel"), Qt::LeftButton);
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
}

void TestPassword::newPasswordAbcLandsInThePumpAndLogsIn()
{
    PumpSimulator &sim = m_fixture.sim();
    fill(QStringLiteral("572913"), QStringLiteral("abc"), QStringLiteral("abc"));
    confirm();
    QTRY_COMPARE(m_fixture.promptNumbers(), QVector<int>({17}));
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_dialog->step(), 0);
    QCOMPARE(sim.holdingRegister(1, 161), 3);
    QCOMPARE(sim.holdingRegister(1, 162), 'a' * 256 + 'b');
    QCOMPARE(sim.holdingRegister(1, 163), 'c' * 256 + '0');
    // Past the new length the pump keeps what it had.
    QCOMPARE(sim.holdingRegister(1, 164), pair('1', '3'));
    const QVector<PumpSimulator::Request> requests = sim.requests();
    QCOMPARE(requests.size(), 3);
    QCOMPARE(requests.at(0).function, 3);
    QCOMPARE(requests.at(0).index, 161);
    QCOMPARE(requests.at(0).count, 4);
    QCOMPARE(requests.at(1).function, 16);
    QCOMPARE(requests.at(1).index, 161);
    QCOMPARE(requests.at(1).count, 4);
    QCOMPARE(requests.at(2).function, 5);
    QCOMPARE(requests.at(2).index, 34);
    // Coil on (the pump clears it again once it has taken the password).
    QCOMPARE(requests.at(2).count, 0xFF00);

    // The login dialog takes the new password, and no longer the old one.
    m_fixture.clearPrompts();
    m_login->setResult(0);
    m_login->show();
    auto *typed = m_login->findChild<QLineEdit *>(QStringLiteral("lEPassword"));
    auto *login = m_login->findChild<QPushButton *>(QStringLiteral("btnConfirm"));
    QVERIFY(typed && login);
    typed->setText(QStringLiteral("572913"));
    QTest::mouseClick(login, Qt::LeftButton);
    QTRY_COMPARE(m_fixture.promptNumbers(), QVector<int>({12}));
    typed->setText(QStringLiteral("abc"));
    QTest::mouseClick(login, Qt::LeftButton);
    QTRY_COMPARE(m_login->result(), int(QDialog::Accepted));
}

void TestPassword::checksRunInOrderAndWriteNothing_data()
{
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("fresh");
    QTest::addColumn<QString>("again");
    QTest::addColumn<int>("prompt");
    const QString right = QStringLiteral("572913");
    QTest::newRow("old wrong before anything") << "572914"
                                               << "abc"
                                               << "abd" << 13;
    QTest::newRow("old too short") << "57291"
                                   << "abc"
                                   << "abc" << 13;
    QTest::newRow("old empty") << ""
                               << "abc"
                               << "abc" << 13;
    QTest::newRow("new ones differ") << right << "abc"
                                     << "abd" << 14;
    QTest::newRow("lengths differ before too long") << right << "abcdefg"
                                                    << "abcdef" << 14;
    QTest::newRow("seven characters") << right << "abcdefg"
                                      << "abcdefg" << 15;
    QTest::newRow("both empty") << right << ""
                                << "" << 16;
}

void TestPassword::checksRunInOrderAndWriteNothing()
{
    QFETCH(QString, old);
    QFETCH(QString, fresh);
    QFETCH(QString, again);
    QFETCH(int, prompt);
    fill(old, fresh, again);
    confirm();
    QTRY_COMPARE(m_fixture.promptNumbers(), QVector<int>({prompt}));
    // Only the read went out; the pump holds the factory password still.
    QTest::qWait(100); // a stray write would reach the simulator well within this
    QCOMPARE(m_fixture.sim().requestCount(), 1);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 161), 6);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 162), pair('5', '7'));
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->step(), 2);
    // Confirm again starts over with a fresh read.
    fill(QStringLiteral("572913"), QStringLiteral("xy"), QStringLiteral("xy"));
    confirm();
    QTRY_COMPARE(m_fixture.promptNumbers(), QVector<int>({prompt, 17}));
    QCOMPARE(m_fixture.sim().holdingRegister(1, 162), pair('x', 'y'));
}

void TestPassword::nonAsciiPasswordIsRefusedBeforeAnythingIsSent()
{
    fill(QStringLiteral("572913"), QStringLiteral("caf\u00e9"), QStringLiteral("caf\u00e9"));
    confirm();
    QLabel *message = child<QLabel>("lbMessage");
    QVERIFY(message);
    QVERIFY(message->isVisible());
    QVERIFY(message->text().contains(QStringLiteral("ASCII")));
    QTest::qWait(100); // as above: time for a stray request to arrive
    QCOMPARE(m_fixture.sim().requestCount(), 0);
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>());
    QCOMPARE(m_dialog->step(), 0);
    ClientFixture::screenshot(m_dialog, QStringLiteral("password_refused"));
    // Corrected, it goes through and the message goes away.
    fill(QStringLiteral("572913"), QStringLiteral("cafe"), QStringLiteral("cafe"));
    confirm();
    QVERIFY(!message->isVisible());
    QTRY_COMPARE(m_fixture.promptNumbers(), QVector<int>({17}));
    QCOMPARE(m_fixture.sim().holdingRegister(1, 163), pair('f', 'e'));
}

void TestPassword::confirmDuringARunningBatchDoesNothing()
{
    SimFaults slow;
    slow.replyDelayMs = 300;
    m_fixture.sim().setFaults(slow);
    Outcomes other;
    CommSend *queue = CommSend::instance();
    BatchStart::queue({QStringLiteral("1 3 0 22")}, &other, queue);
    QMetaObject::invokeMethod(queue, &CommSend::transmission, Qt::QueuedConnection);
    fill(QStringLiteral("572913"), QStringLiteral("abc"), QStringLiteral("abc"));
    confirm();
    QCOMPARE(m_dialog->step(), 0);
    QTRY_COMPARE(other.got, QVector<int>({0}));
    QTest::qWait(100); // as above
    QCOMPARE(m_fixture.sim().requestCount(), 1);
    QCOMPARE(m_fixture.sim().requests().first().index, 0);
    QCOMPARE(m_fixture.sim().holdingRegister(1, 161), 6);
    QCOMPARE(m_fixture.promptNumbers(), QVector<int>());
}

void TestPassword::failedReadRaisesPrompt2()
{
    for (int attempt = 1; attempt <= 4; ++attempt)
        m_fixture.sim().scriptCorrupt(attempt);
    fill(QStringLiteral("572913"), QStringLiteral("abc"), QStringLiteral("abc"));
    confirm();
    QTRY_COMPARE_WITH_TIMEOUT(m_fixture.promptNumbers(), QVector<int>({2}), 10000);
    QCOMPARE(m_dialog->step(), 0);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_fixture.sim().holdingRegister(1, 161), 6);
}

void TestPassword::newPasswordIsStoredOnlyWhileSavingIsOn()
{
    QSettings &settings = AppSettings::store();
    settings.setValue(QLatin1String(AppSettings::kSavePassword), false);
    settings.remove(QLatin1String(AppSettings::kLoginPassword));
    fill(QStringLiteral("572913"), QStringLiteral("q1"), QStringLiteral("q1"));
    confirm();
    QTRY_COMPARE(m_fixture.promptNumbers(), QVector<int>({17}));
    QVERIFY(!settings.contains(QLatin1String(AppSettings::kLoginPassword)));

    restoreFactoryPassword();
    settings.setValue(QLatin1String(AppSettings::kSavePassword), true);
    m_dialog->setResult(0);
    m_dialog->show();
    fill(QStringLiteral("572913"), QStringLiteral("q2"), QStringLiteral("q2"));
    confirm();
    QTRY_COMPARE(m_fixture.promptNumbers(), QVector<int>({17, 17}));
    QCOMPARE(settings.value(QLatin1String(AppSettings::kLoginPassword)).toString(),
             QStringLiteral("q2"));
    settings.setValue(QLatin1String(AppSettings::kSavePassword), false);
}

void TestPassword::passwordMenuOpensTheDialog()
{
    MainWindowConn window;
    auto *action = window.findChild<QAction *>(QStringLiteral("actionPassword"));
    QVERIFY(action);
    QCOMPARE(action->text(), QStringLiteral("PassWord"));
    bool opened = false;
    QWidget *parent = nullptr;
    QTimer::singleShot(0, this, [&] {
        if (auto *dialog = qobject_cast<DialogPassword *>(QApplication::activeModalWidget())) {
            opened = true;
            parent = dialog->parentWidget();
            dialog->reject();
        }
    });
    action->trigger();
    QVERIFY(opened);
    QCOMPARE(parent, static_cast<QWidget *>(&window));
}

QTEST_MAIN(TestPassword)
#include "tst_password.moc"
