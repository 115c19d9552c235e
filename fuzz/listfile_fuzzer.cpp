// Fuzz target of the list-file reader and writer ("Vorlex.incl", "Vorlex.excl", "Vorlex.regex").
//
// Input: the bytes of a list file. Checks: ParseListFile never crashes and reads no more records than the
// bytes hold; writing the entries and reading them back gives the same entries; the bytes of an undamaged
// file in the written form (flags 0 or 1, zero pad bytes, nothing left over) are written back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "config/ListFile.h"

using namespace vorlex::config;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::vector<ListEntry> entries = ParseListFile(input);

    std::size_t used = 0;
    for (const ListEntry& e : entries) {
        used += kListRecordHeaderSize + e.text.size();
    }
    FUZZ_CHECK(used <= input.size(), "the entries fit in the bytes");

    const std::string bytes = SerializeListFile(entries);
    FUZZ_CHECK(bytes.size() == used, "one header and the text per entry");
    FUZZ_CHECK(ParseListFile(bytes) == entries, "written entries read back the same");
    FUZZ_CHECK(SerializeListFile(ParseListFile(bytes)) == bytes, "the written form is stable");

    // Where the input is exactly the written form of its entries, writing changes nothing.
    bool canonical = used == input.size();
    for (std::size_t pos = 0; canonical && pos < input.size();) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(input[pos + i]); };
        canonical = byte(0) <= 1 && byte(1) == 0 && byte(2) == 0 && byte(3) == 0;
        const std::uint32_t length =
            byte(4) | byte(5) << 8 | byte(6) << 16 | static_cast<std::uint32_t>(byte(7)) << 24;
        pos += kListRecordHeaderSize + length;
    }
    if (canonical) {
        FUZZ_CHECK(bytes == input, "a file in the written form is written back unchanged");
    }

    const std::string joined = JoinTickedEntries(entries);
    std::size_t ticked = 0;
    std::size_t tickedBytes = 0;
    for (const ListEntry& e : entries) {
        if (e.checked) {
            ++ticked;
            tickedBytes += e.text.size();
        }
    }
    FUZZ_CHECK(joined.size() == tickedBytes + (ticked > 0 ? ticked - 1 : 0),
               "ticked entries joined with commas");
    return 0;
}
