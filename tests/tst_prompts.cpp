#include "MyMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

#include <functional>

// The prompt catalogue's boxes as a user meets them: the icon of a success
// and of a failure, the button Return presses in a question, and where a
// confirmation goes when its window offers a status bar.
class TestPrompts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void failuresShowAWarningAndSuccessesAnInformationIcon_data();
    void failuresShowAWarningAndSuccessesAnInformationIcon();
    void destructiveQuestionAnswersCancelOnReturn();
    void plainQuestionAnswersOkOnReturn();
    void questionSeamTellsWhichButtonIsTheDefault();
    void wideQuestionKeepsATableFromBeingSqueezed();
    void confirmationGoesToTheStatusBarOfItsWindow_data();
    void confirmationGoesToTheStatusBarOfItsWindow();
    void failureIsABoxWhateverTheBar();
    void confirmationFromAnotherWindowIsABox();
    void withoutABarAConfirmationIsABox();

private:
    struct Recorded
    {
        int number;
        MyMessageBox::Delivery delivery;
    };

    // Runs show, which opens a modal message box, and hands the box to
    // inspect before closing it with close.
    static void whileBoxIsOpen(const std::function<void()> &show,
                               const std::function<void(QMessageBox *)> &inspect,
                               const std::function<void(QMessageBox *)> &close);
    void observe();

    QVector<Recorded> m_recorded;
};

void TestPrompts::init()
{
    m_recorded.clear();
}

void TestPrompts::cleanup()
{
    MyMessageBox::setPromptObserver(nullptr);
    MyMessageBox::setQuestionAnswerer(nullptr);
    MyMessageBox::setConfirmationBar(nullptr);
}

void TestPrompts::observe()
{
    MyMessageBox::setPromptObserver([this](QWidget *, int number, MyMessageBox::Delivery how) {
        m_recorded.append({number, how});
    });
}

void TestPrompts::whileBoxIsOpen(const std::function<void()> &show,
                                 const std::function<void(QMessageBox *)> &inspect,
                                 const std::function<void(QMessageBox *)> &close)
{
    bool seen = false;
    // Polls until the box's own event loop runs; the box is shown by then.
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || seen)
            return;
        seen = true;
        inspect(box);
        close(box);
    });
    poll.start();
    show();
    poll.stop();
    QVERIFY(seen);
}

void TestPrompts::failuresShowAWarningAndSuccessesAnInformationIcon_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("icon");
    const int warning = QMessageBox::Warning;
    const int information = QMessageBox::Information;
    QTest::newRow("2 communication failed") << 2 << warning;
    QTest::newRow("4 save failed") << 4 << warning;
    QTest::newRow("6 read failed") << 6 << warning;
    QTest::newRow("10 reconnect failed") << 10 << warning;
    QTest::newRow("11 network error") << 11 << warning;
    QTest::newRow("12 wrong password") << 12 << warning;
    QTest::newRow("19 nothing saved") << 19 << warning;
    QTest::newRow("27 interval too long") << 27 << warning;
    QTest::newRow("28 erase warning") << 28 << warning;
    QTest::newRow("3 saved") << 3 << information;
    QTest::newRow("5 read") << 5 << information;
    QTest::newRow("9 reconnected") << 9 << information;
    QTest::newRow("17 password set") << 17 << information;
    QTest::newRow("22 restored") << 22 << information;
    QTest::newRow("24 enter the volume") << 24 << information;
}

void TestPrompts::failuresShowAWarningAndSuccessesAnInformationIcon()
{
    QFETCH(int, number);
    QFETCH(int, icon);
    QWidget parent;
    parent.show();
    int shownIcon = -1;
    QString title;
    QString text;
    whileBoxIsOpen([&] { MyMessageBox::prompt(&parent, number); },
                   [&](QMessageBox *box) {
                       shownIcon = box->icon();
                       title = box->windowTitle();
                       text = box->text();
                   },
                   [](QMessageBox *box) { box->buttons().first()->click(); });
    QCOMPARE(shownIcon, icon);
    QCOMPARE(MyMessageBox::promptIcon(number), QMessageBox::Icon(icon));
    QCOMPARE(title, QStringLiteral("Prompt"));
    QCOMPARE(text, MyMessageBox::promptText(number));
}

void TestPrompts::destructiveQuestionAnswersCancelOnReturn()
{
    QWidget parent;
    parent.show();
    bool cancelIsDefault = false;
    bool answer = true;
    whileBoxIsOpen(
        [&] {
            answer = MyMessageBox::ask(&parent, QStringLiteral("Erase?"), QStringLiteral("Erase"),
                                       QStringLiteral("Cancel"), true);
        },
        [&](QMessageBox *box) {
            cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
        },
        [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
    QVERIFY(cancelIsDefault);
    QVERIFY(!answer);
}

void TestPrompts::plainQuestionAnswersOkOnReturn()
{
    QWidget parent;
    parent.show();
    bool result = false;
    whileBoxIsOpen(
        [&] {
            result =
                MyMessageBox::ask(&parent, QStringLiteral("Restart?"),
                                  QStringLiteral("Restart Now"), QStringLiteral("Restart Later"));
        },
        [](QMessageBox *) {}, [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
    QVERIFY(result);
}

void TestPrompts::wideQuestionKeepsATableFromBeingSqueezed()
{
    constexpr int kTextWidth = 640;
    const QString table = QStringLiteral(
        "<table border=\"1\"><tr><td>Channel 1</td><td>On, every day, 25 ml, 4 x 6.25 ml at "
        "08:00, 11:00, 14:00, 17:00</td><td>On, every day, 0.7 ml, 1 x 0.7 ml at "
        "08:00</td></tr></table>");
    QWidget parent;
    parent.show();
    int narrow = 0;
    int wide = 0;
    const auto labelWidth = [](QMessageBox *box) {
        auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        return label ? label->width() : -1;
    };
    whileBoxIsOpen(
        [&] {
            MyMessageBox::ask(&parent, table, QStringLiteral("Write"), QStringLiteral("Cancel"));
        },
        [&](QMessageBox *box) { narrow = labelWidth(box); },
        [](QMessageBox *box) { box->button(QMessageBox::Cancel)->click(); });
    whileBoxIsOpen(
        [&] {
            MyMessageBox::ask(&parent, table, QStringLiteral("Write"), QStringLiteral("Cancel"),
                              true, kTextWidth);
        },
        [&](QMessageBox *box) { wide = labelWidth(box); },
        [](QMessageBox *box) { box->button(QMessageBox::Cancel)->click(); });
    QVERIFY2(narrow > 0 && narrow < kTextWidth, qPrintable(QString::number(narrow)));
    QVERIFY2(wide >= kTextWidth, qPrintable(QString::number(wide)));
}

void TestPrompts::questionSeamTellsWhichButtonIsTheDefault()
{
    QVector<MyMessageBox::Question> asked;
    MyMessageBox::setQuestionAnswerer([&asked](QWidget *, const MyMessageBox::Question &question) {
        asked.append(question);
        return false;
    });
    QVERIFY(!MyMessageBox::ask(nullptr, QStringLiteral("Erase?"), QStringLiteral("Erase"),
                               QStringLiteral("Cancel"), true));
    MyMessageBox::ask(nullptr, QStringLiteral("Restart?"), QStringLiteral("Restart Now"),
                      QStringLiteral("Restart Later"));
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked.at(0).text, QStringLiteral("Erase?"));
    QCOMPARE(asked.at(0).okText, QStringLiteral("Erase"));
    QCOMPARE(asked.at(0).cancelText, QStringLiteral("Cancel"));
    QVERIFY(asked.at(0).cancelIsDefault);
    QVERIFY(!asked.at(1).cancelIsDefault);
}

void TestPrompts::confirmationGoesToTheStatusBarOfItsWindow_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("3 saved") << 3;
    QTest::newRow("5 read") << 5;
}

void TestPrompts::confirmationGoesToTheStatusBarOfItsWindow()
{
    QFETCH(int, number);
    QMainWindow window;
    auto *page = new QWidget;
    window.setCentralWidget(page);
    window.show();
    MyMessageBox::setConfirmationBar(window.statusBar());
    observe();
    MyMessageBox::prompt(page, number);
    QCOMPARE(m_recorded.size(), 1);
    QCOMPARE(m_recorded.first().number, number);
    QCOMPARE(m_recorded.first().delivery, MyMessageBox::Delivery::StatusBar);
    QCOMPARE(window.statusBar()->currentMessage(), MyMessageBox::promptText(number));
}

void TestPrompts::failureIsABoxWhateverTheBar()
{
    QMainWindow window;
    auto *page = new QWidget;
    window.setCentralWidget(page);
    window.show();
    MyMessageBox::setConfirmationBar(window.statusBar());
    observe();
    for (int number : {2, 4, 6, 9, 11, 17, 19, 22})
        MyMessageBox::prompt(page, number);
    QCOMPARE(m_recorded.size(), 8);
    for (const Recorded &recorded : qAsConst(m_recorded))
        QCOMPARE(recorded.delivery, MyMessageBox::Delivery::Box);
    QCOMPARE(window.statusBar()->currentMessage(), QString());
}

void TestPrompts::confirmationFromAnotherWindowIsABox()
{
    QMainWindow window;
    window.show();
    MyMessageBox::setConfirmationBar(window.statusBar());
    QWidget dialog;
    dialog.show();
    observe();
    MyMessageBox::prompt(&dialog, 3);
    MyMessageBox::prompt(nullptr, 5);
    QCOMPARE(m_recorded.size(), 2);
    QCOMPARE(m_recorded.at(0).delivery, MyMessageBox::Delivery::Box);
    QCOMPARE(m_recorded.at(1).delivery, MyMessageBox::Delivery::Box);
    QCOMPARE(window.statusBar()->currentMessage(), QString());
}

void TestPrompts::withoutABarAConfirmationIsABox()
{
    observe();
    {
        QMainWindow window;
        window.show();
        MyMessageBox::setConfirmationBar(window.statusBar());
    }
    // The window and its bar are gone, as at the end of a login cycle.
    QWidget page;
    MyMessageBox::prompt(&page, 3);
    MyMessageBox::setConfirmationBar(nullptr);
    MyMessageBox::prompt(&page, 5);
    QCOMPARE(m_recorded.size(), 2);
    QCOMPARE(m_recorded.at(0).delivery, MyMessageBox::Delivery::Box);
    QCOMPARE(m_recorded.at(1).delivery, MyMessageBox::Delivery::Box);
}

QTEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
