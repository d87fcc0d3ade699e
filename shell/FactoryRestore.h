#pragma once

// What the factory restore writes to the master: the factory values put
// into the register image, and the batch that writes coils 0..46 and
// holding registers 0..349 from it, then commits with coils 33 and 34.

#include <QStringList>

struct RegisterImage;

namespace FactoryRestore {

constexpr int kMasterAddress = 1;
constexpr int kWrittenCoilCount = 47;       // coils 0..46
constexpr int kWrittenRegisterCount = 350;  // holding registers 0..349
constexpr int kCommitCoilClock = 33;
constexpr int kCommitCoilSettings = 34;

// Copies what the restore writes from one image into another.
void copyWrittenRanges(const RegisterImage &from, RegisterImage &to);

// Puts the factory values into image; everything else is left as it is.
void applyFactoryValues(RegisterImage &image);

// The restore batch, in the order the pump must see it. The final commit
// takes coils 33 and 34 from the image: applyFactoryValues sets them to 1.
QStringList commands();

// What the quick setup writes to the master, copied back into its device
// image: coils 27..36, holding registers 2..56 and 142..145.
void copyQuickSetupRanges(const RegisterImage &from, RegisterImage &to);

} // namespace FactoryRestore
