// The program's command-line arguments as UTF-8 text.
#pragma once

#include <string>
#include <vector>

namespace vorlex::platform {

/// The arguments of the process, argv[0] included, as UTF-8: `argv` as given where the system passes bytes,
/// the system's own UTF-16 command line where it does not (so that no name is lost to a code page).
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace vorlex::platform
