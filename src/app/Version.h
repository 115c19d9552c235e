// The version of the program, compiled in.
#pragma once

#include <string>

namespace vorlex::app {

/// "Version 2.1 Release 1 Build 70": major, minor, release and build of the compiled-in file version.
std::string GetVersionText();

}  // namespace vorlex::app
