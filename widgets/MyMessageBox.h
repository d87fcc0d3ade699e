#pragma once

// Every message box and help text of the client, by number. Prompts show a
// modal box at once; help texts are translated strings that screens use as
// tool tips, labels or the text of a question. A window may offer its status
// bar for confirmations: a read or save that succeeded is then told there
// for a few seconds instead of in a box, while every failure stays a box.

#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <functional>

class QStatusBar;

class MyMessageBox : public QWidget
{
    Q_OBJECT
public:
    // Numbers of 222 and above are ignored at once.
    static constexpr int kFirstIgnoredPrompt = 222;

    // How long a confirmation stays in the status bar.
    static constexpr int kConfirmationShownMs = 5000;

    // Where a prompt went: a modal box, or the status bar of its window.
    enum class Delivery { Box, StatusBar };

    static void prompt(QWidget *parent, int number);
    static QString helpText(int number);
    // The text of a prompt number, empty for numbers that show nothing.
    static QString promptText(int number);
    // The icon of a prompt's box: a warning for what failed or was refused,
    // and for the warning before erasing the settings; information for the
    // rest.
    static QMessageBox::Icon promptIcon(int number);
    // Whether a prompt confirms that a read or a save succeeded, and so may
    // go to the status bar.
    static bool isConfirmation(int number);

    // Confirmations raised from widgets of bar's window go to bar instead
    // of a box; null shows them as boxes again. The bar is not owned.
    static void setConfirmationBar(QStatusBar *bar);

    // A question box titled "Prompt" with the given help text and two
    // buttons; true when the first (OK) button was chosen. With
    // cancelIsDefault, Enter answers Cancel, for questions whose OK loses
    // something for good. A textWidth above 0 lays the text out at least
    // that wide, for a table the box would otherwise squeeze.
    static bool ask(QWidget *parent, const QString &text, const QString &okText,
                    const QString &cancelText, bool cancelIsDefault = false, int textWidth = 0);

    // A question as ask() puts it to the user.
    struct Question
    {
        QString text;
        QString okText;
        QString cancelText;
        bool cancelIsDefault = false;
    };

    // A box with a warning icon and a text of its own, for what the user
    // must put right before anything happens.
    static void warn(QWidget *parent, const QString &text);

    // Test seams. With an observer set, prompts are handed to it instead of
    // being shown in a box (a confirmation for the status bar still goes
    // there, and the observer is told so); with an answerer set, questions
    // are answered by it. The product never sets either.
    using PromptObserver = std::function<void(QWidget *parent, int number, Delivery delivery)>;
    using QuestionAnswerer = std::function<bool(QWidget *parent, const Question &question)>;
    static void setPromptObserver(PromptObserver observer);
    static void setQuestionAnswerer(QuestionAnswerer answerer);
    using WarningObserver = std::function<void(QWidget *parent, const QString &text)>;
    static void setWarningObserver(WarningObserver observer);

private:
    // A box titled "Prompt" with one "Okey" button.
    static void showOkeyBox(QWidget *parent, QMessageBox::Icon icon, const QString &text);
};
