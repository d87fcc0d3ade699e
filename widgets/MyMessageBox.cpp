#include "MyMessageBox.h"

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>

namespace {

MyMessageBox::PromptObserver g_promptObserver;
MyMessageBox::QuestionAnswerer g_questionAnswerer;
MyMessageBox::WarningObserver g_warningObserver;
// Goes null by itself when its window is destroyed at the end of a cycle.
QPointer<QStatusBar> g_confirmationBar;

// Prompt 2 is shown as it stands, in every language.
const char kCommunicationFailed[] = "Communication failed";

} // namespace

void MyMessageBox::setPromptObserver(PromptObserver observer)
{
    g_promptObserver = std::move(observer);
}

void MyMessageBox::setQuestionAnswerer(QuestionAnswerer answerer)
{
    g_questionAnswerer = std::move(answerer);
}

void MyMessageBox::setConfirmationBar(QStatusBar *bar)
{
    g_confirmationBar = bar;
}

void MyMessageBox::showOkeyBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, tr("Prompt"), text, QMessageBox::NoButton, parent);
    // The one button is also the one Escape presses.
    box.addButton(tr("Okey"), QMessageBox::AcceptRole);
    box.exec();
}

void MyMessageBox::setWarningObserver(WarningObserver observer)
{
    g_warningObserver = std::move(observer);
}

void MyMessageBox::warn(QWidget *parent, const QString &text)
{
    if (g_warningObserver) {
        g_warningObserver(parent, text);
        return;
    }
    showOkeyBox(parent, QMessageBox::Warning, text);
}

QString MyMessageBox::promptText(int number)
{
    switch (number) {
    case 2:
        return QString::fromLatin1(kCommunicationFailed);
    case 3:
        return tr("Setting Saved Successfully");
    case 4:
        return tr("Failed to Save Setting");
    case 5:
        return tr("Read setting Successfully");
    case 6:
        return tr("Failed to read the setting");
    case 9:
        return tr("Reconnect successfully");
    case 10:
        return tr("Failed to Save Setting");
    case 11:
        return tr("Network connection error, please check your Internet setting");
    case 12:
        return tr("Wrong Password");
    case 13:
        return tr("The old password is wrong");
    case 14:
        return tr("The two passwords you enter do not match");
    case 15:
        return tr("New password length must be shorter than 7");
    case 16:
        return tr("New password length can not be empty");
    case 17:
        return tr("Setting password successfully");
    case 19:
        return tr("There is no data needs to be saved");
    case 22:
        return tr("Restore Factory Setting Successfully, the software will restart");
    case 24:
        return tr("Stop running, Please enter the volume of solution");
    case 25:
        return tr("Setting plan 's titer beyond range");
    case 26:
        return tr("Index error for setting plan");
    case 27:
        return tr("Anti-chemical interference can not be more than 55 minutes");
    case 28:
        return tr("If you choose to delete the “setting information” ,After upgrade , All "
                  "previously setting information will disappear , Strongly recommended not to "
                  "choose");
    default:
        return QString();
    }
}

QMessageBox::Icon MyMessageBox::promptIcon(int number)
{
    // 19 counts as a failure: Save was pressed and nothing reached the pump.
    switch (number) {
    case 2:
    case 4:
    case 6:
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
    case 19:
    case 25:
    case 26:
    case 27:
    case 28:
        return QMessageBox::Warning;
    default:
        return QMessageBox::Information;
    }
}

bool MyMessageBox::isConfirmation(int number)
{
    // "Setting Saved Successfully" and "Read setting Successfully". The
    // others that report a success stay boxes: a new password must not slip
    // by unseen, a reconnect is told by the dialog that asked for it, and
    // the restore's window is about to close.
    return number == 3 || number == 5;
}

void MyMessageBox::prompt(QWidget *parent, int number)
{
    if (number >= kFirstIgnoredPrompt)
        return;
    const QString text = promptText(number);
    if (text.isEmpty())
        return;
    // Only a bar the user sees beside the page that asked; a confirmation
    // from a dialog over another window still gets its box.
    QStatusBar *bar = g_confirmationBar.data();
    if (bar && parent && isConfirmation(number) && parent->window() == bar->window()) {
        bar->showMessage(text, kConfirmationShownMs);
        if (g_promptObserver)
            g_promptObserver(parent, number, Delivery::StatusBar);
        return;
    }
    if (g_promptObserver) {
        g_promptObserver(parent, number, Delivery::Box);
        return;
    }
    if (number == 2) {
        QMessageBox::warning(parent, tr("Prompt"), text);
        return;
    }
    showOkeyBox(parent, promptIcon(number), text);
}

QString MyMessageBox::helpText(int number)
{
    switch (number) {
    case 5:
        return tr("Read the original parameters of Auto Liquid Adding setting");
    case 6:
        return tr("Save the Auto liquid adding setup");
    case 7:
        return tr("Read the setting parameters of solution bottle");
    case 8:
        return tr("Save the setting parameters of solution bottle");
    case 9:
        return tr("Time and temperature setting interface");
    case 10:
        return tr("Auto Dose setup interface, if you switch to other interface, the settings may "
                  "change");
    case 11:
        return tr("Manual Control and Calibration interface");
    case 12:
        return tr("Status setting and checking interface of Solution bottle");
    case 14:
        return tr("Quickly setting interface");
    case 15:
        return tr("Read temperature in the past 24 hours");
    case 16:
        return tr("Read the original parameters of temperature setting");
    case 17:
        return tr("Save the parameters of  temperature setting");
    case 18:
        return tr("Last update time");
    case 19:
        return tr("Confirm to restore factory setting? The software will restart after resetting");
    case 21:
        return tr("Language changed successfully, do you want to restart the software now?");
    case 23:
        return tr("Plan Index");
    case 24:
        return tr("Start time for plan");
    case 25:
        return tr("Preset dosing volume");
    case 26:
        return tr("Add or edit a plan");
    case 27:
        return tr("Delete a plan");
    case 28:
        return tr("Checking the status of liquid sensor");
    case 29:
        return tr("Reading the status information for liquid sensor");
    case 30:
        return tr("Erase the setting information when update software , Strongly recommended not "
                  "to choose");
    case 31:
        return tr("Open a binary file");
    case 32:
        return tr("Update program");
    default:
        return tr("");
    }
}

bool MyMessageBox::ask(QWidget *parent, const QString &text, const QString &okText,
                       const QString &cancelText, bool cancelIsDefault, int textWidth)
{
    if (g_questionAnswerer)
        return g_questionAnswerer(parent, {text, okText, cancelText, cancelIsDefault});
    QMessageBox box(QMessageBox::Information, tr("Prompt"), text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Ok)->setText(okText);
    box.button(QMessageBox::Cancel)->setText(cancelText);
    if (cancelIsDefault)
        box.setDefaultButton(QMessageBox::Cancel);
    // QMessageBox wraps its text at half the screen's width or less.
    if (textWidth > 0) {
        if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            label->setMinimumWidth(textWidth);
    }
    return box.exec() == QMessageBox::Ok;
}
