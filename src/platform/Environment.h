// The process environment: variables the program and its test build read.
#pragma once

#include <optional>
#include <string>

namespace vorlex::platform {

/// The value of the environment variable `name`, or nothing when it is not set.
std::optional<std::string> EnvironmentValue(const std::string& name);

}  // namespace vorlex::platform
