// Giving freed memory back to the system after the large temporary allocations of a run.
#pragma once

namespace vorlex::platform {

/// Returns the free memory of the process's heap to the system, so the resident size of a program that
/// stays open after a large scan drops back to what its result list needs.
void ReleaseFreeMemory();

}  // namespace vorlex::platform
