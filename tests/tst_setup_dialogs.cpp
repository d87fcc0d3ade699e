#include "AppSettings.h"
#include "DialogSetupFile.h"
#include "DialogWaiting.h"
#include "DoseProgramme.h"
#include "Language.h"
#include "LiquidBottles.h"
#include "MyMessageBox.h"
#include "PageFixture.h"
#include "SetupFile.h"
#include "TestSupport.h"

#include "ClientFixture.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

using TestSupport::child;

// The backup and restore dialogs against the simulator: a file checked
// before anything is sent, the changes listed before any write, a file from
// another pump asked about, and the pump holding the file's values after.
class TestSetupDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void backupSavesThePumpWhole();
    void badFileIsRefusedBeforeAnythingIsSent_data();
    void badFileIsRefusedBeforeAnythingIsSent();
    void changesAreListedAndWrittenOnlyOnRestore();
    void fileFromAnotherAddressIsAskedAbout();
    void sameSetupHasNothingToChange();
    void changesReadInChinese();

private:
    QString backupOf(int address);
    void type(DialogSetupFile &dialog, const QString &path);
    bool sentWrites() const;

    PageFixture m_fixture;
    QTemporaryDir m_dir;
    QStringList m_warnings;
    QStringList m_questions;
    QVector<bool> m_cancelIsDefault;
    bool m_answer = true;
};

namespace {

constexpr int kSlave = 3;
// A full read with its pauses takes about 1.5 s; a restore about 6 s.
constexpr int kWaitMs = 20000;

const QVector<DialogSetupFile::Pump> kPumps = {{QStringLiteral("Master"), 1},
                                               {QStringLiteral("Slave1"), kSlave}};

} // namespace

void TestSetupDialogs::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(m_fixture.start());
    m_fixture.sim().addSlave(kSlave);
    MyMessageBox::setWarningObserver(
        [this](QWidget *, const QString &text) { m_warnings << text; });
    MyMessageBox::setQuestionAnswerer([this](QWidget *, const MyMessageBox::Question &question) {
        m_questions << question.text;
        m_cancelIsDefault << question.cancelIsDefault;
        return m_answer;
    });
}

void TestSetupDialogs::init()
{
    m_fixture.reset();
    m_warnings.clear();
    m_questions.clear();
    m_cancelIsDefault.clear();
    m_answer = true;
}

void TestSetupDialogs::cleanup()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_fixture.link.queue().isIdle(), kWaitMs);
}

void TestSetupDialogs::type(DialogSetupFile &dialog, const QString &path)
{
    auto *file = child<QLineEdit>(&dialog, "leFile");
    file->setText(path);
    Q_EMIT file->textEdited(path);
}

bool TestSetupDialogs::sentWrites() const
{
    for (const QString &request : m_fixture.seen()) {
        const int function = request.section(QLatin1Char(' '), 1, 1).toInt();
        if (function == 5 || function == 6 || function == 15 || function == 16)
            return true;
    }
    return false;
}

QString TestSetupDialogs::backupOf(int address)
{
    DialogSetupFile dialog(DialogSetupFile::Mode::Backup, kPumps);
    dialog.choosePump(address);
    const QString path = m_dir.filePath(QStringLiteral("pump%1").arg(address));
    type(dialog, path);
    child<QPushButton>(&dialog, "btnStart")->click();
    const QString saved = path + QStringLiteral(".tidewell.json");
    [&] {
        QTRY_VERIFY_WITH_TIMEOUT(
            child<QLabel>(&dialog, "lbResult")->text().contains(QStringLiteral("saved in")),
            kWaitMs);
    }();
    return saved;
}

void TestSetupDialogs::backupSavesThePumpWhole()
{
    m_fixture.sim().setHoldingRegister(kSlave, DoseProgramme::kDosesPerDayRegister, 6);
    m_fixture.sim().setHoldingRegister(kSlave, LiquidBottles::capacityRegister(1), 12345);
    const QString path = backupOf(kSlave);
    QVERIFY(m_warnings.isEmpty());
    const SetupFile::Parsed parsed = SetupFile::load(path);
    QVERIFY2(parsed.setup, qPrintable(parsed.error));
    QCOMPARE(parsed.setup->address, kSlave);
    for (int i = 0; i < RegisterImage::kReadHoldingRegisterCount; ++i)
        QCOMPARE(parsed.setup->holdingRegisters.at(i), m_fixture.sim().holdingRegister(kSlave, i));
    QCOMPARE(parsed.setup->pc.pumps.size(), AppSettings::kPumpCount);
    QVERIFY(!sentWrites());
}

void TestSetupDialogs::badFileIsRefusedBeforeAnythingIsSent_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    RegisterImage image;
    m_fixture.loadImage(1, image);
    const QJsonObject valid =
        QJsonDocument::fromJson(SetupFile::toJson(SetupFile::fromPump(
                                    image, 1, SetupFile::readPcSettings(AppSettings::store(), 1),
                                    QDateTime::currentDateTime())))
            .object();
    const QByteArray bytes = QJsonDocument(valid).toJson();
    QTest::newRow("truncated") << bytes.left(bytes.size() - 40)
                               << QStringLiteral("not a setup file");
    QJsonObject wrongFormat = valid;
    wrongFormat.insert(QStringLiteral("format"), QStringLiteral("other"));
    QTest::newRow("wrong format") << QJsonDocument(wrongFormat).toJson()
                                  << QStringLiteral("not a Tidewell setup file");
    QJsonObject tooLarge = valid;
    QJsonObject tables = tooLarge.value(QStringLiteral("tables")).toObject();
    QJsonArray holding = tables.value(QStringLiteral("holding_registers")).toArray();
    holding[20] = 70000;
    tables.insert(QStringLiteral("holding_registers"), holding);
    tooLarge.insert(QStringLiteral("tables"), tables);
    QTest::newRow("value 70000") << QJsonDocument(tooLarge).toJson()
                                 << QStringLiteral("holding register 20 holds 70000");
}

void TestSetupDialogs::badFileIsRefusedBeforeAnythingIsSent()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(QStringLiteral("bad.tidewell.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    DialogSetupFile dialog(DialogSetupFile::Mode::Restore, kPumps);
    type(dialog, path);
    child<QPushButton>(&dialog, "btnCompare")->click();
    QCOMPARE(m_warnings.size(), 1);
    QVERIFY2(m_warnings.at(0).contains(reason), qPrintable(m_warnings.at(0)));
    QVERIFY(!child<QPushButton>(&dialog, "btnStart")->isEnabled());
    // A batch would have sent its first request within a turn of the event
    // loop and one loopback round trip.
    QTest::qWait(100);
    QCOMPARE(m_fixture.sim().requestCount(), 0);
}

void TestSetupDialogs::changesAreListedAndWrittenOnlyOnRestore()
{
    m_fixture.sim().setHoldingRegister(1, DoseProgramme::kDosesPerDayRegister + 1, 4);
    m_fixture.sim().setHoldingRegister(1, LiquidBottles::capacityRegister(2), 5000);
    const QString path = backupOf(1);
    m_fixture.sim().setHoldingRegister(1, DoseProgramme::kDosesPerDayRegister + 1, 8);
    m_fixture.sim().setHoldingRegister(1, LiquidBottles::capacityRegister(2), 2500);
    m_fixture.sim().clearRequests();

    DialogSetupFile dialog(DialogSetupFile::Mode::Restore, kPumps);
    dialog.choosePump(1);
    type(dialog, path);
    auto *start = child<QPushButton>(&dialog, "btnStart");
    QVERIFY(!start->isEnabled());
    child<QPushButton>(&dialog, "btnCompare")->click();
    QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), kWaitMs);
    const QString changes = child<QTextBrowser>(&dialog, "tbChanges")->toPlainText();
    QVERIFY2(changes.contains(QStringLiteral("Channel 2 programme")), qPrintable(changes));
    QVERIFY(changes.contains(QStringLiteral("Doses per day\n8\n4\n")));
    QVERIFY(changes.contains(QStringLiteral("Bottle 3")));
    QVERIFY(changes.contains(QStringLiteral("Capacity\n250.0 ml\n500.0 ml\n")));
    QVERIFY(!changes.contains(QStringLiteral("Temperature")));
    QVERIFY(m_questions.isEmpty());
    QVERIFY(!sentWrites());
    ClientFixture::screenshot(&dialog, QStringLiteral("setup-restore-changes"));

    QSignalSpy restored(&dialog, &DialogSetupFile::restored);
    start->click();
    QVERIFY(restored.wait(kWaitMs));
    QCOMPARE(restored.at(0).at(0).toInt(), 1);
    QVERIFY(m_warnings.isEmpty());
    QVERIFY(child<QLabel>(&dialog, "lbResult")->text().startsWith(QStringLiteral("Restored")));
    QCOMPARE(m_fixture.sim().holdingRegister(1, DoseProgramme::kDosesPerDayRegister + 1), 4);
    QCOMPARE(m_fixture.sim().holdingRegister(1, LiquidBottles::capacityRegister(2)), 5000);
    for (const QString &request : m_fixture.seen())
        QVERIFY2(request.startsWith(QStringLiteral("1 ")), qPrintable(request));
}

void TestSetupDialogs::fileFromAnotherAddressIsAskedAbout()
{
    m_fixture.sim().setHoldingRegister(kSlave, DoseProgramme::kDosesPerDayRegister, 3);
    m_fixture.sim().setHoldingRegister(1, DoseProgramme::kDosesPerDayRegister, 1);
    const QString path = backupOf(kSlave);
    m_fixture.sim().clearRequests();

    DialogSetupFile dialog(DialogSetupFile::Mode::Restore, kPumps);
    dialog.choosePump(1);
    type(dialog, path);
    m_answer = false;
    child<QPushButton>(&dialog, "btnCompare")->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_questions.size(), 1, kWaitMs);
    QVERIFY2(m_questions.at(0).contains(QStringLiteral("address 3")),
             qPrintable(m_questions.at(0)));
    QVERIFY(m_questions.at(0).contains(QStringLiteral("address 1")));
    // Return must not write another pump's setup.
    QCOMPARE(m_cancelIsDefault.at(0), true);
    QTRY_VERIFY(
        child<QLabel>(&dialog, "lbResult")->text().contains(QStringLiteral("Nothing was written")));
    QVERIFY(!child<QPushButton>(&dialog, "btnStart")->isEnabled());
    QVERIFY(!sentWrites());

    m_answer = true;
    m_questions.clear();
    child<QPushButton>(&dialog, "btnCompare")->click();
    auto *start = child<QPushButton>(&dialog, "btnStart");
    QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), kWaitMs);
    QCOMPARE(m_questions.size(), 1);
    QSignalSpy restored(&dialog, &DialogSetupFile::restored);
    start->click();
    QVERIFY(restored.wait(kWaitMs));
    QCOMPARE(m_fixture.sim().holdingRegister(1, DoseProgramme::kDosesPerDayRegister), 3);
    for (const QString &request : m_fixture.seen())
        QVERIFY2(request.startsWith(QStringLiteral("1 ")), qPrintable(request));
}

void TestSetupDialogs::sameSetupHasNothingToChange()
{
    const QString path = backupOf(1);
    DialogSetupFile dialog(DialogSetupFile::Mode::Restore, kPumps);
    dialog.choosePump(1);
    type(dialog, path);
    child<QPushButton>(&dialog, "btnCompare")->click();
    auto *changes = child<QTextBrowser>(&dialog, "tbChanges");
    QTRY_COMPARE_WITH_TIMEOUT(changes->toPlainText(), QStringLiteral("Nothing to change"), kWaitMs);
    QVERIFY(!child<QPushButton>(&dialog, "btnStart")->isEnabled());
    QVERIFY(!sentWrites());
}

void TestSetupDialogs::changesReadInChinese()
{
    m_fixture.sim().setHoldingRegister(1, DoseProgramme::kDosesPerDayRegister + 3, 2);
    const QString path = backupOf(1);
    m_fixture.sim().setHoldingRegister(1, DoseProgramme::kDosesPerDayRegister + 3, 6);
    Language::install(Language::kChinese);
    {
        DialogSetupFile dialog(DialogSetupFile::Mode::Restore, kPumps);
        dialog.choosePump(1);
        type(dialog, path);
        auto *compare = child<QPushButton>(&dialog, "btnCompare");
        QVERIFY(compare->text() != QStringLiteral("Read and Compare"));
        compare->click();
        auto *start = child<QPushButton>(&dialog, "btnStart");
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), kWaitMs);
        const QString changes = child<QTextBrowser>(&dialog, "tbChanges")->toPlainText();
        QVERIFY2(!changes.contains(QStringLiteral("Channel 4 programme")), qPrintable(changes));
        QVERIFY(changes.contains(QStringLiteral("\n6\n2\n")));
        dialog.show();
        // Every button shows its whole text.
        for (QPushButton *button : dialog.findChildren<QPushButton *>())
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        ClientFixture::screenshot(&dialog, QStringLiteral("setup-restore-changes-zh"));
    }
    Language::install(Language::kEnglish);
}

QTEST_MAIN(TestSetupDialogs)
#include "tst_setup_dialogs.moc"
