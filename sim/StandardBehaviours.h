#pragma once

// The parts every simulated pump is built with.

#include "SimBehaviour.h"

namespace StandardBehaviours {

// In the order they see a request.
SimBehaviours make();

} // namespace StandardBehaviours
