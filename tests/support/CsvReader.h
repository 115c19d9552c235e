// Reads the program's CSV files as Python's csv module does (tests/tools/csv_fields.py).
#pragma once

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RunTool.h"

namespace vorlex::test {

/// The bytes a hex text of tests/tools/csv_fields.py stands for ("-": none).
inline std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; hex != "-" && i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

/// The records of a CSV file as Python's csv module reads them in the code page `codec` (a Python codec
/// name), fields in UTF-8. A file Python cannot read fails the test; `ok` tells the caller, so it can stop.
inline std::vector<std::vector<std::string>> CsvRecords(const std::string& csvPath, bool* ok = nullptr,
                                                        const std::string& codec = "cp1252") {
    const std::string script = std::string(VORLEX_TEST_TOOLS) + "/csv_fields.py";
    int status = -1;
    const std::string output = RunTool(
        "python3 " + ShellQuote(script) + " " + ShellQuote(csvPath) + " " + ShellQuote(codec), &status);
    EXPECT_EQ(status, 0) << "python could not read " << csvPath << " as " << codec;
    if (ok != nullptr) {
        *ok = status == 0;
    }
    std::vector<std::vector<std::string>> records;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream words(line);
        for (std::string hex; words >> hex;) {
            fields.push_back(FromHex(hex));
        }
        records.push_back(fields);
    }
    return records;
}

/// Each of `texts` (valid UTF-8) as Python reads it back after writing it in the code page `codec`: one '?'
/// for each character the code page lacks.
inline std::vector<std::string> PythonInCodePage(const std::vector<std::string>& texts,
                                                 const std::string& codec) {
    std::string command = "python3 " + ShellQuote(std::string(VORLEX_TEST_TOOLS) + "/csv_fields.py") +
                          " --encode " + ShellQuote(codec);
    for (const std::string& text : texts) {
        std::string hex;
        for (unsigned char c : text) {
            static const char kDigits[] = "0123456789abcdef";
            hex += kDigits[c >> 4];
            hex += kDigits[c & 15];
        }
        command += " " + (hex.empty() ? std::string("''") : hex);
    }
    int status = -1;
    std::istringstream lines(RunTool(command, &status));
    EXPECT_EQ(status, 0) << "python could not write the texts in " << codec;
    std::vector<std::string> out;
    for (std::string line; std::getline(lines, line);) {
        out.push_back(FromHex(line));
    }
    return out;
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
