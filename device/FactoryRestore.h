#pragma once

// What the factory restore writes to the master: the factory values put
// into the register image, the batch that writes coils 0..46 and holding
// registers 0..349 from it, and the commit with coils 33 and 34 after it.
// The writes carry the two commit coils as 0: the pump commits the moment
// it sees one of them at 1, so they go to 1 only for a batch of their own,
// once every value is in place.

#include <QStringList>

struct RegisterImage;

namespace FactoryRestore {

constexpr int kMasterAddress = 1;
constexpr int kWrittenCoilCount = 47; // coils 0..46
constexpr int kWrittenRegisterCount = 350; // holding registers 0..349
constexpr int kCommitCoilClock = 33;
constexpr int kCommitCoilSettings = 34;

// Copies what the restore writes from one image into another.
void copyWrittenRanges(const RegisterImage &from, RegisterImage &to);

// Puts the factory values into image, the two commit coils at 0;
// everything else is left as it is.
void applyFactoryValues(RegisterImage &image);

// The writes of the restore, in the order the pump must see them.
QStringList writeCommands();

// Sets both commit coils to 1 in image, for the commit that follows the
// writes; the queue takes their values from the image as it sends.
void stageCommit(RegisterImage &image);
// The commit: coils 33 and 34 in one request.
QStringList commitCommands();

} // namespace FactoryRestore
