#pragma once

// Plays a user through modal windows: a list of steps, each tried every
// 20 ms until it reports that it has acted. Modal dialogs run their own
// event loops, and timers keep firing inside them.

#include <QObject>
#include <QTimer>
#include <QVector>

#include <functional>

class ScriptedUser : public QObject
{
    Q_OBJECT
public:
    using Step = std::function<bool()>;

    explicit ScriptedUser(QObject *parent = nullptr)
        : QObject(parent)
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, &ScriptedUser::tryStep);
    }

    void then(Step step) { m_steps.append(std::move(step)); }
    void start() { m_timer.start(); }
    int stepsDone() const { return m_done; }
    bool allDone() const { return m_done == m_steps.size(); }

private:
    void tryStep()
    {
        if (m_done >= m_steps.size()) {
            m_timer.stop();
            return;
        }
        if (m_steps[m_done]())
            ++m_done;
    }

    QTimer m_timer;
    QVector<Step> m_steps;
    int m_done = 0;
};
