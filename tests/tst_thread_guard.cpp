#include "TestSupport.h"

#include <QProcess>
#include <QThread>
#include <QTimer>
#include <QtTest>

// The test-wide message handler (TestSupport.cpp) turns Qt's warnings about
// an object used from a thread it does not live in into a failed run. Each
// misuse is committed in a child run of this binary, which must die of it.
class TestThreadGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void misuseAcrossThreadsFailsTheRun_data();
    void misuseAcrossThreadsFailsTheRun();
    void child();
};

namespace {
const char kMisuseVariable[] = "TIDEWELL_THREAD_MISUSE";
}

void TestThreadGuard::initTestCase()
{
    const QByteArray misuse = qgetenv(kMisuseVariable);
    if (misuse.isEmpty())
        return;
    // The guard takes over from QTest's handler on the first turn of the
    // event loop (or the first fresh settings), before any link test starts
    // a thread of its own.
    QCoreApplication::processEvents();
    QThread thread;
    thread.start();
    QObject elsewhere;
    elsewhere.moveToThread(&thread);
    QTimer timer;
    timer.moveToThread(&thread);
    if (misuse == "timer-start")
        timer.start(10);
    else if (misuse == "child-object")
        new QObject(&elsewhere);
    else if (misuse == "queued-argument")
        QMetaObject::invokeMethod(
            &elsewhere, [] {}, Qt::QueuedConnection);
    thread.quit();
    thread.wait();
}

void TestThreadGuard::misuseAcrossThreadsFailsTheRun_data()
{
    QTest::addColumn<QByteArray>("misuse");
    QTest::addColumn<bool>("fails");
    // A queued call to an object on a running thread is no misuse: the
    // child that makes one must pass, or the guard could not tell.
    QTest::newRow("sound queued call") << QByteArray("queued-argument") << false;
    QTest::newRow("timer started from another thread") << QByteArray("timer-start") << true;
    QTest::newRow("child of an object on another thread") << QByteArray("child-object") << true;
}

void TestThreadGuard::misuseAcrossThreadsFailsTheRun()
{
    QFETCH(QByteArray, misuse);
    QFETCH(bool, fails);
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kMisuseVariable), QString::fromLatin1(misuse));
    run.setProcessEnvironment(environment);
    run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("child")});
    QVERIFY(run.waitForFinished(30000));
    const QByteArray errors = run.readAllStandardError();
    if (fails) {
        QCOMPARE(run.exitStatus(), QProcess::CrashExit);
        QVERIFY2(errors.contains("FATAL thread misuse"), errors.constData());
    } else {
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.exitCode(), 0);
    }
}

void TestThreadGuard::child()
{
    // Only the child runs do anything, in initTestCase.
}

QTEST_GUILESS_MAIN(TestThreadGuard)
#include "tst_thread_guard.moc"
