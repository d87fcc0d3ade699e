#include "AppSettings.h"
#include "AutoModeUnit.h"
#include "ClientFixture.h"
#include "DialogChemicalInter.h"
#include "DialogPumpName.h"
#include "DoseSetGroup.h"
#include "LinkFixture.h"
#include "PageFixture.h"
#include "PumpNames.h"
#include "RegisterImage.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

using TestSupport::child;

// The chemical-interval and pump-name dialogs.
class TestDosDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void intervalsStartFromTheMastersImage();
    void intervalRangesHoldPerChannel();
    void intervalsOfFiftyFiveMinutesAreWrittenAndClose();
    void intervalsAboveFiftyFiveMinutesAreRefused();
    void intervalReadFillsTheBoxes();
    void failedIntervalWriteRaisesPrompt4AndStaysOpen();
    void intervalCancelWritesNothing();

    void pumpNamesAreAtMostSixteenCharacters();
    void cancelKeepsThePumpNames();
    void confirmedNamesAppearOnTheEditorsAndTheIntervalDialog();
    void slaveDialogStartsFromTheMastersNamesBehindItsOwn();
    void slaveNamesAreItsOwnAndLeaveTheMastersAlone();
    void slaveReagentChoiceIsStoredForTheSlaveAlone();

private:
    // The master's channels named as given, no slave named yet.
    static void nameMasterOnly(const QStringList &names);
    static QStringList editedNames(const DialogPumpName &dialog);
    static void setIntervals(DialogChemicalInter &dialog, const QVector<int> &values);
    static QVector<int> intervals(DialogChemicalInter &dialog);
    QVector<int> simIntervals();

    PageFixture m_fixture; // the link, with prompts and questions recorded
    LinkFixture &m_link = m_fixture.link;
    std::unique_ptr<RegisterImage> m_master;
};

namespace {

constexpr int kSlave = 2;
const QStringList kMasterNames = {"Pump1", "Pump2", "Pump3", "Pump4"};

} // namespace

void TestDosDialogs::initTestCase()
{
    QVERIFY(m_link.start());
    m_link.sim().addSlave(kSlave);
    AppSettings::writeClientDefaults(AppSettings::store());
    m_master = std::make_unique<RegisterImage>();
    RegisterImage::setWorking(m_master.get());
}

void TestDosDialogs::cleanupTestCase()
{
    RegisterImage::setWorking(nullptr);
}

void TestDosDialogs::init()
{
    QTRY_VERIFY(m_link.queue().isIdle());
    m_link.sim().setFaults(SimFaults());
    m_link.sim().clearRequests();
    m_fixture.prompts.clear();
}

void TestDosDialogs::nameMasterOnly(const QStringList &names)
{
    QSettings &settings = AppSettings::store();
    settings.remove(QStringLiteral("group_pumps_%1").arg(kSlave));
    PumpNames::setNames(settings, 1, names);
    PumpNames::setReagentIndices(settings, 1, {0, 1, 2, 3});
}

QStringList TestDosDialogs::editedNames(const DialogPumpName &dialog)
{
    QStringList names;
    for (const char *edit : {"lePump1", "lePump2", "lePump3", "lePump4"})
        names << child<QLineEdit>(&dialog, edit)->text();
    return names;
}

void TestDosDialogs::setIntervals(DialogChemicalInter &dialog, const QVector<int> &values)
{
    for (int i = 0; i < 4; ++i)
        child<QSpinBox>(&dialog, QStringLiteral("sbInterval%1").arg(i + 1).toLatin1())
            ->setValue(values[i]);
}

QVector<int> TestDosDialogs::intervals(DialogChemicalInter &dialog)
{
    QVector<int> values;
    for (int i = 0; i < 4; ++i)
        values << child<QSpinBox>(&dialog, QStringLiteral("sbInterval%1").arg(i + 1).toLatin1())
                      ->value();
    return values;
}

QVector<int> TestDosDialogs::simIntervals()
{
    QVector<int> values;
    for (int reg = 106; reg <= 109; ++reg)
        values << m_link.sim().holdingRegister(1, reg);
    return values;
}

void TestDosDialogs::intervalsStartFromTheMastersImage()
{
    // The register image still holds what another pump's read left there.
    for (int i = 0; i < 4; ++i) {
        m_master->holdingRegisters[106 + i] = 5 + i;
        RegisterImage::shared()->holdingRegisters[106 + i] = 20;
    }
    DialogChemicalInter dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Chemical Interval"));
    QCOMPARE(intervals(dialog), QVector<int>({5, 6, 7, 8}));
    QCOMPARE(child<QLabel>(&dialog, "lbInterval1")->text(), QStringLiteral("Ca"));
    QCOMPARE(child<QLabel>(&dialog, "lbInterval4")->text(), QStringLiteral("Other"));
    dialog.show();
    ClientFixture::screenshot(&dialog, QStringLiteral("dialog-chemical-interval"));
}

void TestDosDialogs::intervalRangesHoldPerChannel()
{
    DialogChemicalInter dialog;
    setIntervals(dialog, {0, 0, 1, 3});
    QCOMPARE(intervals(dialog), QVector<int>({0, 4, 4, 4}));
    setIntervals(dialog, {31, 40, 30, 99});
    QCOMPARE(intervals(dialog), QVector<int>({30, 30, 30, 30}));
}

void TestDosDialogs::intervalsOfFiftyFiveMinutesAreWrittenAndClose()
{
    DialogChemicalInter dialog;
    dialog.show();
    setIntervals(dialog, {0, 25, 20, 10});
    QTest::mouseClick(child<QPushButton>(&dialog, "btnConfirm"), Qt::LeftButton);
    QTRY_COMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_fixture.prompts, QVector<int>());
    QCOMPARE(simIntervals(), QVector<int>({0, 25, 20, 10}));
    QCOMPARE(m_link.sim().requestCount(), 1);
    const PumpSimulator::Request request = m_link.sim().requests().first();
    QCOMPARE(request.slave, 1);
    QCOMPARE(request.function, 16);
    QCOMPARE(request.index, 106);
    QCOMPARE(request.count, 4);
    // The next dialog starts from what the master now holds.
    DialogChemicalInter next;
    QCOMPARE(intervals(next), QVector<int>({0, 25, 20, 10}));
}

void TestDosDialogs::intervalsAboveFiftyFiveMinutesAreRefused()
{
    const QVector<int> before = simIntervals();
    DialogChemicalInter dialog;
    dialog.show();
    setIntervals(dialog, {1, 25, 20, 10});
    QTest::mouseClick(child<QPushButton>(&dialog, "btnConfirm"), Qt::LeftButton);
    QCOMPARE(m_fixture.prompts, QVector<int>({27}));
    QVERIFY(dialog.isVisible());
    QCOMPARE(intervals(dialog), QVector<int>({1, 25, 20, 10}));
    QVERIFY(m_link.queue().isIdle());
    // Long enough for a stray request to reach the simulator over loopback.
    QTest::qWait(150);
    QCOMPARE(m_link.sim().requestCount(), 0);
    QCOMPARE(simIntervals(), before);
}

void TestDosDialogs::intervalReadFillsTheBoxes()
{
    for (int i = 0; i < 4; ++i)
        m_link.sim().setHoldingRegister(1, 106 + i, 9 + i);
    DialogChemicalInter dialog;
    dialog.show();
    QTest::mouseClick(child<QPushButton>(&dialog, "btnRead"), Qt::LeftButton);
    QTRY_COMPARE(intervals(dialog), QVector<int>({9, 10, 11, 12}));
    QTRY_COMPARE(dialog.state(), int(DialogChemicalInter::StateIdle));
    QCOMPARE(m_fixture.prompts, QVector<int>());
    QVERIFY(dialog.isVisible());
    const PumpSimulator::Request request = m_link.sim().requests().first();
    QCOMPARE(request.function, 3);
    QCOMPARE(request.index, 106);
}

void TestDosDialogs::failedIntervalWriteRaisesPrompt4AndStaysOpen()
{
    const QVector<int> before = simIntervals();
    for (int attempt = 1; attempt <= 4; ++attempt)
        m_link.sim().scriptException(attempt, 4);
    DialogChemicalInter dialog;
    dialog.show();
    setIntervals(dialog, {5, 5, 5, 5});
    QTest::mouseClick(child<QPushButton>(&dialog, "btnConfirm"), Qt::LeftButton);
    QTRY_COMPARE(m_fixture.prompts, QVector<int>({4}));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(simIntervals(), before);
}

void TestDosDialogs::intervalCancelWritesNothing()
{
    DialogChemicalInter dialog;
    dialog.show();
    setIntervals(dialog, {6, 6, 6, 6});
    QTest::mouseClick(child<QPushButton>(&dialog, "btnCancel"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QTest::qWait(150);
    QCOMPARE(m_link.sim().requestCount(), 0);
}

void TestDosDialogs::pumpNamesAreAtMostSixteenCharacters()
{
    DialogPumpName dialog(1, QStringLiteral("Master"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Pump Name Setup"));
    QCOMPARE(child<QLineEdit>(&dialog, "lePump1")->text(), QStringLiteral("Ca"));
    dialog.show();
    ClientFixture::screenshot(&dialog, QStringLiteral("dialog-pump-name"));
    QLineEdit *edit = child<QLineEdit>(&dialog, "lePump2");
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("Magnesium chloride 2"));
    QCOMPARE(edit->text(), QStringLiteral("Magnesium chlori"));
    child<QLineEdit>(&dialog, "lePump3")->clear();
    QTest::mouseClick(child<QPushButton>(&dialog, "btnConfirm"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QSettings &settings = AppSettings::store();
    QCOMPARE(settings.beginReadArray("group_pumps"), 4);
    settings.setArrayIndex(1);
    QCOMPARE(settings.value("pumps_name").toString(), QStringLiteral("Magnesium chlori"));
    settings.setArrayIndex(2);
    QCOMPARE(settings.value("pumps_name").toString(), QString());
    // The reagent choices stay as they were.
    QCOMPARE(settings.value("pumps_reagent_index").toInt(), 2);
    settings.endArray();
}

void TestDosDialogs::cancelKeepsThePumpNames()
{
    DialogPumpName dialog(1, QStringLiteral("Master"));
    dialog.show();
    child<QLineEdit>(&dialog, "lePump1")->setText(QStringLiteral("Changed"));
    QTest::mouseClick(child<QPushButton>(&dialog, "btnCancel"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    DialogPumpName again(1, QStringLiteral("Master"));
    QCOMPARE(child<QLineEdit>(&again, "lePump1")->text(), QStringLiteral("Ca"));
}

void TestDosDialogs::confirmedNamesAppearOnTheEditorsAndTheIntervalDialog()
{
    RegisterImage image;
    DoseSetGroup page(1, &image);
    page.show();
    QCOMPARE(child<QLabel>(page.unit(0), "lbPumpName")->text(), QStringLiteral("Ca"));
    page.hide();

    DialogPumpName dialog(1, QStringLiteral("Master"));
    const char *const edits[] = {"lePump1", "lePump2", "lePump3", "lePump4"};
    const QStringList names = {"Calcium", "Magnesium", "Alkalinity", "Iodine"};
    for (int i = 0; i < 4; ++i)
        child<QLineEdit>(&dialog, edits[i])->setText(names[i]);
    QTest::mouseClick(child<QPushButton>(&dialog, "btnConfirm"), Qt::LeftButton);

    page.show();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(child<QLabel>(page.unit(i), "lbPumpName")->text(), names[i]);
    DialogChemicalInter interval;
    QCOMPARE(child<QLabel>(&interval, "lbInterval2")->text(), QStringLiteral("Magnesium"));
    QCOMPARE(child<QLabel>(&interval, "lbInterval4")->text(), QStringLiteral("Iodine"));
}

void TestDosDialogs::slaveDialogStartsFromTheMastersNamesBehindItsOwn()
{
    nameMasterOnly(kMasterNames);
    DialogPumpName dialog(kSlave, QStringLiteral("Slave1"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Pump Name Setup"));
    QCOMPARE(child<QLabel>(&dialog, "lbDevice")->text(), QStringLiteral("Channel names of Slave1"));
    QCOMPARE(editedNames(dialog),
             QStringList({"Slave1 Pump1", "Slave1 Pump2", "Slave1 Pump3", "Slave1 Pump4"}));
    // Opening and cancelling stores nothing for the slave.
    QTest::mouseClick(child<QPushButton>(&dialog, "btnCancel"), Qt::LeftButton);
    QVERIFY(!AppSettings::store().childGroups().contains(QStringLiteral("group_pumps_2")));
}

void TestDosDialogs::slaveNamesAreItsOwnAndLeaveTheMastersAlone()
{
    nameMasterOnly(kMasterNames);
    RegisterImage masterImage;
    RegisterImage slaveImage;
    DoseSetGroup master(1, &masterImage, QStringLiteral("Master"));
    DoseSetGroup slave(kSlave, &slaveImage, QStringLiteral("Slave1"));
    master.show();
    slave.show();
    QCOMPARE(slave.unit(1)->title(), QStringLiteral("Slave1 Pump2"));

    const QStringList names = {"Iodine", "Iron", "Potassium", "Trace"};
    {
        DialogPumpName dialog(kSlave, QStringLiteral("Slave1"));
        const char *const edits[] = {"lePump1", "lePump2", "lePump3", "lePump4"};
        for (int i = 0; i < 4; ++i)
            child<QLineEdit>(&dialog, edits[i])->setText(names[i]);
        QTest::mouseClick(child<QPushButton>(&dialog, "btnConfirm"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QSettings &settings = AppSettings::store();
    QCOMPARE(settings.beginReadArray(QStringLiteral("group_pumps_2")), 4);
    settings.setArrayIndex(2);
    QCOMPARE(settings.value(QStringLiteral("pumps_name")).toString(), QStringLiteral("Potassium"));
    settings.endArray();
    QCOMPARE(PumpNames::names(settings, 1), kMasterNames);

    master.showPumpNames();
    slave.showPumpNames();
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(slave.unit(i)->title(), names[i]);
        QCOMPARE(master.unit(i)->title(), kMasterNames[i]);
    }
    // The master's dialogs show the master's names.
    DialogPumpName again(1, QStringLiteral("Master"));
    QCOMPARE(editedNames(again), kMasterNames);
    DialogChemicalInter interval;
    QCOMPARE(child<QLabel>(&interval, "lbInterval3")->text(), QStringLiteral("Pump3"));
    DialogPumpName slaveAgain(kSlave, QStringLiteral("Slave1"));
    QCOMPARE(editedNames(slaveAgain), names);
}

void TestDosDialogs::slaveReagentChoiceIsStoredForTheSlaveAlone()
{
    nameMasterOnly(kMasterNames);
    RegisterImage image;
    m_fixture.loadImage(kSlave, image);
    DoseSetGroup page(kSlave, &image, QStringLiteral("Slave1"));
    page.show();
    // An untouched Save stores nothing for the slave: it keeps the master's.
    QTest::mouseClick(child<QPushButton>(&page, "btnSave"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(page.state(), int(DoseSetGroup::StateIdle), 20000);
    QVERIFY(!AppSettings::store().childGroups().contains(QStringLiteral("group_pumps_2")));

    child<QComboBox>(page.unit(0), "combReagent")->setCurrentIndex(4);
    QTest::mouseClick(child<QPushButton>(&page, "btnSave"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(page.state(), int(DoseSetGroup::StateIdle), 20000);
    QSettings &settings = AppSettings::store();
    QCOMPARE(PumpNames::reagentIndices(settings, kSlave), QVector<int>({4, 1, 2, 3}));
    QCOMPARE(PumpNames::reagentIndices(settings, 1), QVector<int>({0, 1, 2, 3}));
    // Choosing reagents does not name the slave's channels.
    QCOMPARE(PumpNames::names(settings, kSlave, QStringLiteral("Slave1")).at(0),
             QStringLiteral("Slave1 Pump1"));
}

QTEST_MAIN(TestDosDialogs)
#include "tst_dosdialogs.moc"
