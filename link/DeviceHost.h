#pragma once

#include <QString>

#include <functional>

struct RegisterImage;

// What the orchestrator needs of the window that shows the pumps. The main
// window implements it; keeping it abstract keeps widgets out of the link.
class DeviceHost
{
public:
    virtual ~DeviceHost();
    // 0 normal, 1 firmware upgrade only.
    virtual void setLaunchMode(int mode) = 0;
    // Hands one pump to the per-pump pages; the image stays the caller's.
    virtual void addDevice(const QString &name, int address, RegisterImage *image) = 0;
    // index is the pump's place among those handed over, master 0.
    virtual void setDeviceOnline(int index, bool online) = 0;
    // Fixes the window's size and shows it.
    virtual void showFixedSize(int width, int height) = 0;
    // What the window calls when the user asks to read a pump that did not
    // answer once more; index as for setDeviceOnline, false when no read
    // was started. The outcome comes back through setDeviceOnline.
    using RetryHandler = std::function<bool(int index)>;
    virtual void setRetryHandler(RetryHandler retry) = 0;
};
