// Runs an external reader (unrtf, python3) on a file and returns what it printed.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace vorlex::test {

/// Runs `command` through the shell and returns its standard output; `status` gets the exit status.
inline std::string RunTool(const std::string& command, int* status = nullptr) {
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (p == nullptr) {
        if (status != nullptr) {
            *status = -1;
        }
        return out;
    }
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) {
        out.append(buf, n);
    }
    int rc = pclose(p);
    if (status != nullptr) {
        *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    }
    return out;
}

/// `text` quoted for the shell.
inline std::string ShellQuote(const std::string& text) {
    std::string q = "'";
    for (char c : text) {
        if (c == '\'') {
            q += "'\\''";
        } else {
            q.push_back(c);
        }
    }
    return q + "'";
}

}  // namespace vorlex::test
