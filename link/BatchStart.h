#pragma once

#include "CommSend.h"

#include <QStringList>

class CommBackOperate;

// How a page, dialog or the orchestrator hands the queue a batch on the GUI
// thread. The queue's pending list and callback target belong to the GUI
// thread only while the queue is idle, so a press during a running batch
// queues nothing. The caller emits its own transmission() afterwards: that
// signal, connected across threads, is what starts the sending.
namespace BatchStart {

// True when the queue exists and no batch runs: the only time a caller may
// prepare the register image for a write.
bool isIdle(const CommSend *queue = CommSend::instance());

// Appends commands in the order the pump must see them and names callback
// the receiver of the outcome. Only while idle, with nothing appended yet.
void queue(const QStringList &commands, CommBackOperate *callback,
           CommSend *into = CommSend::instance());

// queue() when the queue is idle; false, with nothing queued, while a batch runs.
bool begin(const QStringList &commands, CommBackOperate *callback,
           CommSend *into = CommSend::instance());

} // namespace BatchStart
