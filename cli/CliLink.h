#pragma once

// The command line's hold on the bridge: the client's own command queue on
// a worker thread, one connection tried once, and batches run to their end
// one at a time while the caller waits. Unlike the window, it does not keep
// trying a bridge that refuses or closes it: a script wants an answer.

#include "CommBackOperate.h"

#include <QObject>
#include <QStringList>
#include <QThread>
#include <QVector>

#include <functional>

class CommSend;

class CliLink : public QObject, public CommBackOperate
{
    Q_OBJECT
public:
    CliLink();
    ~CliLink() override;

    // Connects to host:port, trying once; false with the reason in error.
    bool open(const QString &host, int port, QString *error);

    // Runs the batch; true when every request was answered, otherwise false
    // with the reason in error (no reply, a bad reply, an exception, the
    // connection lost). Replies land in the process-wide register image.
    bool run(const QStringList &commands, QString *error);

    // Called with (requests done, requests in all) as a batch goes on.
    void setProgress(std::function<void(int, int)> progress) { m_progress = std::move(progress); }

    void operateSuccess() override;
    void operateFailure(int status) override;

Q_SIGNALS:
    void transmission();

private:
    void close();

    QThread m_thread;
    CommSend *m_queue = nullptr;
    std::function<void(int, int)> m_progress;
    int m_status = -1;
    bool m_finished = false;
    bool m_lost = false;
    int m_silentAddress = -1;
};
