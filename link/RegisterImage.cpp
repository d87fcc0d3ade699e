#include "RegisterImage.h"

#include <algorithm>

void RegisterImage::copyReadRangesFrom(const RegisterImage &other)
{
    std::copy_n(other.coils, kReadCoilCount, coils);
    std::copy_n(other.discreteInputs, kReadDiscreteInputCount, discreteInputs);
    std::copy_n(other.holdingRegisters, kReadHoldingRegisterCount, holdingRegisters);
    std::copy_n(other.inputRegisters, kReadInputRegisterCount, inputRegisters);
}

RegisterImage *RegisterImage::shared()
{
    // Never destroyed: the link worker may still decode into it while the
    // process shuts down.
    static RegisterImage *image = new RegisterImage;
    return image;
}

namespace {
RegisterImage *g_working = nullptr;
}

RegisterImage *RegisterImage::working()
{
    return g_working;
}

void RegisterImage::setWorking(RegisterImage *image)
{
    g_working = image;
}
