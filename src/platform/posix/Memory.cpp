#include "platform/Memory.h"

#include <malloc.h>

namespace vorlex::platform {

void ReleaseFreeMemory() {
    malloc_trim(0);
}

}  // namespace vorlex::platform
