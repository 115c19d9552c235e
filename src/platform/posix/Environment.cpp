#include "platform/Environment.h"

#include <cstdlib>

namespace vorlex::platform {

std::optional<std::string> EnvironmentValue(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

}  // namespace vorlex::platform
