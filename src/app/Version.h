// The program's version, compiled in, and its text form for the log, the about box and the system dump.
#pragma once

#include <string>

namespace vorlex::app {

/// The four fields of the program's version (the build's project version).
struct VersionNumber {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned release = 0;
    unsigned build = 0;
};

/// The version compiled into the program.
VersionNumber ProgramVersion();

/// "Version " + major + "." + minor + " Release " + release + " Build " + build, each in plain decimal
/// ("Version 2.1 Release 1 Build 70").
std::string GetVersionText();

}  // namespace vorlex::app
