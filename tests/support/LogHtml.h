// Reads the program's activity log as unrtf renders it in HTML.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "RunTool.h"

namespace vorlex::test {

/// The RTF file at `path` as unrtf renders it in HTML, from its body on; a file unrtf cannot read fails the
/// test.
inline std::string LogHtml(const std::string& path) {
    int status = 0;
    const std::string html = RunTool("unrtf --html " + ShellQuote(path) + " 2>/dev/null", &status);
    EXPECT_EQ(status, 0) << "unrtf could not read " << path;
    const auto body = html.find("<body>");
    return body == std::string::npos ? html : html.substr(body);
}

}  // namespace vorlex::test
