// The two entry points through which every part of the program reports progress.
#pragma once

#include <cstdint>
#include <string_view>

namespace vorlex::base {

/// An RGB colour of a log line.
struct LogColour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const LogColour&, const LogColour&) = default;
};

inline constexpr LogColour kBlack{0, 0, 0};    ///< progress; bold for phase headings
inline constexpr LogColour kRed{255, 0, 0};    ///< errors, warnings, debug-state lines
inline constexpr LogColour kBlue{0, 0, 255};   ///< notices about options in force, banners, dump headings
inline constexpr LogColour kGreen{0, 128, 0};  ///< debug lines

/// Font style of a message: the program uses only regular and bold.
enum class LogStyle : std::uint8_t { Regular, Bold };

/// Receiver of log lines. Implemented by the program's controller; the core reports through it.
class LogSink {
  public:
    virtual ~LogSink() = default;
    /// Appends one timestamped line: `message` (UTF-8) in `colour` and `style`.
    virtual void WriteLog(std::string_view message, LogColour colour, LogStyle style) = 0;
    /// Appends `message` in green, regular, when debug mode is on; does nothing otherwise.
    virtual void WriteDebugLog(std::string_view message) = 0;
    /// True when debug mode is on (callers may skip building debug texts otherwise).
    virtual bool DebugMode() const = 0;
};

}  // namespace vorlex::base
