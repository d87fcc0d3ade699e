#pragma once

class CommBackOperate;
class CommSend;

// The end of a batch, as the queue's returnStatus(int) reports it, turned
// into the one callback the batch's owner waits for. Whoever routes
// outcomes (the login dialog, then the orchestrator) calls route() on the
// GUI thread.
namespace BatchOutcome {

// operateSuccess() for status 0, otherwise operateFailure(status); nothing
// without a target.
void deliver(CommBackOperate *target, int status);

// Delivers status to the callback target of queue's batch.
void route(const CommSend &queue, int status);

} // namespace BatchOutcome
