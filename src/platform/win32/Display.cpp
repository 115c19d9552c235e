#include "platform/Display.h"

#include "platform/win32/WinFs.h"

namespace vorlex::platform {

// A box can be seen only on the interactive window station (not in a service or a scheduled task that runs
// whether or not a user is logged on).
bool GraphicalSessionReachable() {
    HWINSTA station = GetProcessWindowStation();
    USEROBJECTFLAGS flags{};
    if (station == nullptr || !GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof flags, nullptr)) {
        return false;
    }
    return (flags.dwFlags & WSF_VISIBLE) != 0;
}

}  // namespace vorlex::platform
