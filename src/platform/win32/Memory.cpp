#include "platform/Memory.h"

#include <malloc.h>

namespace vorlex::platform {

void ReleaseFreeMemory() {
    _heapmin();
}

}  // namespace vorlex::platform
