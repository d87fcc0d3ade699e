#pragma once

// Every message box and help text of the client, by number. Prompts show a
// modal box at once; help texts are translated strings that screens use as
// tool tips, labels or the text of a question.

#include <QString>
#include <QWidget>

#include <functional>

class MyMessageBox : public QWidget
{
    Q_OBJECT
public:
    // Numbers of 222 and above are ignored at once.
    static constexpr int kFirstIgnoredPrompt = 222;

    static void prompt(QWidget *parent, int number);
    static QString helpText(int number);
    // The text of a prompt number, empty for numbers that show nothing.
    static QString promptText(int number);

    // A question box titled "Prompt" with the given help text and two
    // buttons; true when the first (OK) button was chosen. With
    // cancelIsDefault, Enter answers Cancel, for questions whose OK loses
    // something for good.
    static bool ask(QWidget *parent, const QString &text, const QString &okText,
                    const QString &cancelText, bool cancelIsDefault = false);

    // A box with a warning icon and a text of its own, for what the user
    // must put right before anything happens.
    static void warn(QWidget *parent, const QString &text);

    // Test seams. With an observer set, prompts are handed to it instead of
    // being shown; with an answerer set, questions are answered by it. The
    // product never sets either.
    using PromptObserver = std::function<void(QWidget *parent, int number)>;
    using QuestionAnswerer = std::function<bool(QWidget *parent, const QString &text)>;
    static void setPromptObserver(PromptObserver observer);
    static void setQuestionAnswerer(QuestionAnswerer answerer);
    using WarningObserver = std::function<void(QWidget *parent, const QString &text)>;
    static void setWarningObserver(WarningObserver observer);

private:
    // A box titled "Prompt" with one "Okey" button; icon is a QMessageBox::Icon.
    static void showOkeyBox(QWidget *parent, int icon, const QString &text);
};
