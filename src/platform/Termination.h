// Polite termination requests (SIGTERM, SIGINT, SIGHUP) turned into something an event loop can watch, and
// the program's own quick end.
#pragma once

namespace vorlex::platform {

/// Installs handlers for SIGTERM, SIGINT and SIGHUP and returns a descriptor that becomes readable when one
/// arrives (a self-pipe). Call once.
int WatchTerminationSignals();

/// The descriptor WatchTerminationSignals returned (-1 before it was called or when it failed).
int TerminationFd();

/// True once a termination signal arrived.
bool TerminationRequested();

/// Empties the descriptor after it became readable.
void DrainTerminationFd();

/// Ends the process with `code` once the standard streams are flushed, without running destructors: the
/// kernel takes back the memory of a large result list at once, where freeing it row by row takes a
/// noticeable time. Only for when everything the run writes is written and closed.
[[noreturn]] void EndProcessNow(int code);

}  // namespace vorlex::platform
