#include "BatchOutcome.h"

#include "CommBackOperate.h"
#include "CommSend.h"

namespace BatchOutcome {

void deliver(CommBackOperate *target, int status)
{
    if (!target)
        return;
    if (status == 0)
        target->operateSuccess();
    else
        target->operateFailure(status);
}

void route(const CommSend &queue, int status)
{
    deliver(queue.callback(), status);
}

} // namespace BatchOutcome
