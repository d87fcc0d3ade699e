#pragma once

// For system tests that run the real client in-process: the simulator on a
// free loopback port with the settings pointing at it, prompts and
// questions recorded instead of shown, and helpers that find windows and
// their widgets by object name.

#include "PumpSimulator.h"

#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QVector>
#include <QWidget>

#include <functional>

struct RaisedPrompt
{
    int number;
    QPointer<QWidget> parent;
    QString parentClass; // kept for parents gone by the time a test looks
};

class ClientFixture : public QObject
{
    Q_OBJECT
public:
    ClientFixture();
    ~ClientFixture() override;

    // Starts the simulator and writes the settings a user would have after
    // the first run, pointed at it. False when the simulator did not listen.
    bool start();

    PumpSimulator &sim() { return m_sim; }

    QVector<int> promptNumbers() const;
    const QVector<RaisedPrompt> &prompts() const { return m_prompts; }
    void clearPrompts() { m_prompts.clear(); }
    QVector<QString> questions() const { return m_questions; }
    void clearQuestions() { m_questions.clear(); }
    // What every question is answered with (OK or Cancel).
    void answerQuestionsWith(bool ok) { m_answer = ok; }
    // The next questions are answered with these, in order; then as above.
    void answerNextQuestionsWith(const QVector<bool> &answers) { m_nextAnswers = answers; }
    // The texts of the warnings raised, in order.
    QVector<QString> warnings() const { return m_warnings; }
    void clearWarnings() { m_warnings.clear(); }

    // The first visible top-level window of type T, or null.
    template<typename T> static T *visibleWindow()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<T *>(widget)) {
                if (window->isVisible())
                    return window;
            }
        }
        return nullptr;
    }

    // Saves a picture of widget when TIDEWELL_SCREENSHOTS names a directory.
    static void screenshot(QWidget *widget, const QString &name);

private:
    PumpSimulator m_sim;
    QVector<RaisedPrompt> m_prompts;
    QVector<QString> m_questions;
    QVector<QString> m_warnings;
    QVector<bool> m_nextAnswers;
    bool m_answer = true;
};
