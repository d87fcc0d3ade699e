#include "BatchStart.h"

namespace BatchStart {

bool isIdle(const CommSend *queue)
{
    return queue && queue->isIdle();
}

void queue(const QStringList &commands, CommBackOperate *callback, CommSend *into)
{
    for (const QString &command : commands)
        into->appendCommand(command);
    into->setCallback(callback);
}

bool begin(const QStringList &commands, CommBackOperate *callback, CommSend *into)
{
    if (!isIdle(into))
        return false;
    queue(commands, callback, into);
    return true;
}

} // namespace BatchStart
