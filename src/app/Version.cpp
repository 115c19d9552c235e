#include "app/Version.h"

namespace vorlex::app {

std::string GetVersionText() {
    return "Version " + std::to_string(VORLEX_VERSION_MAJOR) + "." + std::to_string(VORLEX_VERSION_MINOR) +
           " Release " + std::to_string(VORLEX_VERSION_RELEASE) + " Build " +
           std::to_string(VORLEX_VERSION_BUILD);
}

}  // namespace vorlex::app
