// Whether a graphical session can be reached: an unattended run shows its message boxes only then.
#pragma once

namespace vorlex::platform {

/// True when DISPLAY or WAYLAND_DISPLAY names a session that accepts a connection now. A local X display
/// (":N", "unix:N") and a Wayland socket are tried with a connect, nothing sent; an X display on another
/// host is taken as reachable untried. A stale variable (a scheduler started from an ended session) thus
/// reads as no session, where opening a window would abort the program.
bool GraphicalSessionReachable();

}  // namespace vorlex::platform
