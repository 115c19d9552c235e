// Polite termination requests (SIGTERM, SIGINT, SIGHUP) turned into something an event loop can watch.
#pragma once

namespace vorlex::platform {

/// Installs handlers for SIGTERM, SIGINT and SIGHUP and returns a descriptor that becomes readable when one
/// arrives (a self-pipe). Call once.
int WatchTerminationSignals();

/// True once a termination signal arrived.
bool TerminationRequested();

/// Empties the descriptor after it became readable.
void DrainTerminationFd();

}  // namespace vorlex::platform
