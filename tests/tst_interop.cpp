#include "AppSettings.h"
#include "AutoSetup.h"
#include "ClientFixture.h"
#include "Communication.h"
#include "DoseSetGroup.h"
#include "LinkFixture.h"
#include "RegisterImage.h"
#include "TestProgramme.h"
#include "UiOperate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The client against a Modbus RTU server we did not write (pymodbus, on
// loopback), holding random values: what our simulator and our client might
// both misread about the register map shows up here. The full read of a
// pump must bring back exactly the server's values, and the dose page's
// Read then Save without a change must leave the server's tables as they
// were, bit for bit, but for the commit coils.
class TestInterop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void fullReadBringsBackEveryValueOfTheServer();
    void doseReadThenSaveWithoutAChangeLeavesTheServerAsItWas();

private:
    struct Tables
    {
        QVector<int> coils, discreteInputs, holdingRegisters, inputRegisters;
    };
    QByteArray answer();
    bool command(const QString &line, const QByteArray &expected = QByteArray());
    Tables dump();

    ClientFixture m_prompts; // records prompts; its own simulator stays unused
    LinkFixture m_link;
    QProcess m_server;
    QTemporaryDir m_dir;
    int m_dumps = 0;
};

namespace {
constexpr int kSeed = 20261209;
constexpr int kMaster = 1;
// Coils the pump clears once it has taken a commit; a plain server keeps them.
constexpr int kCommitCoils[] = {33, 34};
} // namespace

QByteArray TestInterop::answer()
{
    // A line may reach us in more than one piece.
    while (!m_server.canReadLine()) {
        if (!m_server.waitForReadyRead(15000))
            return QByteArray();
    }
    return m_server.readLine().trimmed();
}

bool TestInterop::command(const QString &line, const QByteArray &expected)
{
    m_server.write(line.toUtf8() + '\n');
    if (expected.isEmpty())
        return true;
    const QByteArray got = answer();
    if (got != expected)
        qWarning("the server answered \"%s\" to \"%s\"", got.constData(), qPrintable(line));
    return got == expected;
}

TestInterop::Tables TestInterop::dump()
{
    Tables tables;
    const QString path = m_dir.filePath(QStringLiteral("dump%1.json").arg(++m_dumps));
    if (!command(QStringLiteral("dump ") + path, "dumped"))
        return tables;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tables;
    const QJsonObject all = QJsonDocument::fromJson(file.readAll()).object();
    const auto list = [&](const char *name) {
        QVector<int> values;
        for (const QJsonValue &v : all.value(QLatin1String(name)).toArray())
            values << v.toInt();
        return values;
    };
    tables.coils = list("co");
    tables.discreteInputs = list("di");
    tables.holdingRegisters = list("hr");
    tables.inputRegisters = list("ir");
    return tables;
}

void TestInterop::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(m_link.start());
    AppSettings::writeClientDefaults(AppSettings::store());

    // Debian's interpreter, where the test command installs pymodbus.
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(INTEROP_SERVER), QStringLiteral("--seed"), QString::number(kSeed)});
    QVERIFY2(m_server.waitForStarted(5000), "no /usr/bin/python3");
    const QByteArray line = answer();
    QVERIFY2(line.startsWith("listening "), line.constData());
    const int port = line.mid(10).toInt();
    QVERIFY(port > 0);

    // A valid programme, so that the page's Save has nothing to refuse.
    const TestProgramme programme = TestProgramme::make(7);
    for (const auto &[index, value] : programme.holdingRegisters)
        QVERIFY(command(QStringLiteral("set hr %1 %2").arg(index).arg(value)));
    for (const auto &[index, value] : programme.coils)
        QVERIFY(command(QStringLiteral("set co %1 %2").arg(index).arg(value)));

    QSignalSpy disconnected(&m_link.sim(), &PumpSimulator::clientDisconnected);
    m_link.reconnectTo(QStringLiteral("127.0.0.1"), port);
    QVERIFY(disconnected.wait(5000));
    QTRY_VERIFY_WITH_TIMEOUT(m_link.link()->socketState() == Communication::kConnectedState, 5000);
}

void TestInterop::cleanupTestCase()
{
    m_server.closeWriteChannel();
    if (!m_server.waitForFinished(5000))
        m_server.kill();
}

void TestInterop::fullReadBringsBackEveryValueOfTheServer()
{
    const Tables server = dump();
    QCOMPARE(server.holdingRegisters.size(), RegisterImage::kHoldingRegisterCount);

    RegisterImage &image = *RegisterImage::shared();
    image = RegisterImage();
    RecordingCallback callback;
    QVERIFY(m_link.runBatch(UiOperate::fullReadCommands(kMaster), &callback));
    QTRY_VERIFY_WITH_TIMEOUT(!callback.outcomes.isEmpty(), 20000);
    QCOMPARE(callback.outcomes, QVector<int>({0}));

    for (int i = 0; i < RegisterImage::kReadCoilCount; ++i)
        QVERIFY2(image.coils[i] == server.coils.at(i), qPrintable(QString::number(i)));
    for (int i = 0; i < RegisterImage::kReadDiscreteInputCount; ++i)
        QVERIFY2(image.discreteInputs[i] == server.discreteInputs.at(i),
                 qPrintable(QString::number(i)));
    for (int i = 0; i < RegisterImage::kReadHoldingRegisterCount; ++i)
        QVERIFY2(image.holdingRegisters[i] == server.holdingRegisters.at(i),
                 qPrintable(QString::number(i)));
    for (int i = 0; i < RegisterImage::kReadInputRegisterCount; ++i)
        QVERIFY2(image.inputRegisters[i] == server.inputRegisters.at(i),
                 qPrintable(QString::number(i)));
    // A read changes nothing on the server.
    const Tables after = dump();
    QCOMPARE(after.coils, server.coils);
    QCOMPARE(after.holdingRegisters, server.holdingRegisters);
}

void TestInterop::doseReadThenSaveWithoutAChangeLeavesTheServerAsItWas()
{
    const Tables before = dump();
    QCOMPARE(before.coils.size(), RegisterImage::kCoilCount);

    auto masterImage = std::make_unique<RegisterImage>();
    masterImage->copyReadRangesFrom(*RegisterImage::shared());
    AutoSetup setup;
    setup.addDevice(QStringLiteral("Master"), kMaster, masterImage.get());
    setup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&setup));
    DoseSetGroup *page = setup.page(0);
    QVERIFY(page);
    auto *read = page->findChild<QPushButton *>(QStringLiteral("btnRead"));
    auto *save = page->findChild<QPushButton *>(QStringLiteral("btnSave"));
    QVERIFY(read && save);

    m_prompts.clearPrompts();
    QTest::mouseClick(read, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_prompts.promptNumbers(), QVector<int>({5}), 20000);
    for (int i = 1; i < RegisterImage::kReadHoldingRegisterCount; ++i)
        QVERIFY2(masterImage->holdingRegisters[i] == before.holdingRegisters.at(i),
                 qPrintable(QString::number(i)));

    m_prompts.clearPrompts();
    QTest::mouseClick(save, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_prompts.promptNumbers(), QVector<int>({3}), 20000);

    const Tables after = dump();
    Tables expected = before;
    for (int coil : kCommitCoils)
        expected.coils[coil] = 1;
    QCOMPARE(after.coils, expected.coils);
    QCOMPARE(after.discreteInputs, expected.discreteInputs);
    QCOMPARE(after.inputRegisters, expected.inputRegisters);
    for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i)
        QVERIFY2(after.holdingRegisters.at(i) == expected.holdingRegisters.at(i),
                 qPrintable(QStringLiteral("holding register %1").arg(i)));
}

QTEST_MAIN(TestInterop)
#include "tst_interop.moc"
