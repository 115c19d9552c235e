#include "app/Version.h"

#if !defined(VORLEX_VERSION_MAJOR) || !defined(VORLEX_VERSION_MINOR) || !defined(VORLEX_VERSION_RELEASE) || \
    !defined(VORLEX_VERSION_BUILD)
#error "The build must define VORLEX_VERSION_MAJOR, _MINOR, _RELEASE and _BUILD"
#endif

namespace vorlex::app {

VersionNumber ProgramVersion() {
    return {VORLEX_VERSION_MAJOR, VORLEX_VERSION_MINOR, VORLEX_VERSION_RELEASE, VORLEX_VERSION_BUILD};
}

std::string GetVersionText() {
    const VersionNumber v = ProgramVersion();
    return "Version " + std::to_string(v.major) + "." + std::to_string(v.minor) + " Release " +
           std::to_string(v.release) + " Build " + std::to_string(v.build);
}

}  // namespace vorlex::app
