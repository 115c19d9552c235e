// Reads the program's CSV files as Python's csv module does (tests/tools/csv_fields.py).
#pragma once

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RunTool.h"

namespace vorlex::test {

/// The records of a CSV file as Python's csv module reads them, fields in UTF-8. A file Python cannot read
/// fails the test; `ok` tells the caller, so it can stop.
inline std::vector<std::vector<std::string>> CsvRecords(const std::string& csvPath, bool* ok = nullptr) {
    const std::string script = std::string(VORLEX_TEST_TOOLS) + "/csv_fields.py";
    int status = -1;
    const std::string output = RunTool("python3 " + ShellQuote(script) + " " + ShellQuote(csvPath), &status);
    EXPECT_EQ(status, 0) << "python could not read " << csvPath;
    if (ok != nullptr) {
        *ok = status == 0;
    }
    std::vector<std::vector<std::string>> records;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream words(line);
        for (std::string hex; words >> hex;) {
            std::string field;
            for (std::size_t i = 0; hex != "-" && i + 1 < hex.size(); i += 2) {
                field += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
            }
            fields.push_back(field);
        }
        records.push_back(fields);
    }
    return records;
}

/// The File field of each record after the header, in file order ("" for an empty record).
inline std::vector<std::string> CsvFiles(const std::string& csvPath) {
    std::vector<std::string> files;
    auto records = CsvRecords(csvPath);
    for (std::size_t i = 1; i < records.size(); ++i) {
        files.push_back(records[i].empty() ? std::string() : records[i][0]);
    }
    return files;
}

}  // namespace vorlex::test
