#pragma once

// What every page, dialog and the orchestrator implement to hear how their
// batch ended: exactly one call per batch, on the GUI thread.
class CommBackOperate
{
public:
    virtual ~CommBackOperate();
    virtual void operateSuccess() = 0;
    virtual void operateFailure(int status) = 0;
};
