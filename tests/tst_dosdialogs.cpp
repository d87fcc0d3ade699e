#include "AppSettings.h"
#include "AutoModeUnit.h"
#include "ClientFixture.h"
#include "DialogChemicalInter.h"
#include "DialogPumpName.h"
#include "DoseSetGroup.h"
#include "LinkFixture.h"
#include "PageFixture.h"
#include "RegisterImage.h"
#include "TestSupport.h"

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

private:
    static void setIntervals(DialogChemicalInter &dialog, const QVector<int> &values);
    static QVector<int> intervals(DialogChemicalInter &dialog);
    QVector<int> simIntervals();

    PageFixture m_fixture; // the link, with prompts and questions recorded
    LinkFixture &m_link = m_fixture.link;
    std::unique_ptr<RegisterImage> m_master;
};

void TestDosDialogs::initTestCase()
{
    QVERIFY(m_link.start());
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
    DialogPumpName dialog;
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
    DialogPumpName dialog;
    dialog.show();
    child<QLineEdit>(&dialog, "lePump1")->setText(QStringLiteral("Changed"));
    QTest::mouseClick(child<QPushButton>(&dialog, "btnCancel"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    DialogPumpName again;
    QCOMPARE(child<QLineEdit>(&again, "lePump1")->text(), QStringLiteral("Ca"));
}

void TestDosDialogs::confirmedNamesAppearOnTheEditorsAndTheIntervalDialog()
{
    RegisterImage image;
    DoseSetGroup page(1, &image);
    page.show();
    QCOMPARE(child<QLabel>(page.unit(0), "lbPumpName")->text(), QStringLiteral("Ca"));
    page.hide();

    DialogPumpName dialog;
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

QTEST_MAIN(TestDosDialogs)
#include "tst_dosdialogs.moc"
