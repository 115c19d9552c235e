// Facts about the machine and the process for the exception report.
#pragma once

#include <cstdint>
#include <string>

namespace vorlex::platform {

/// What the exception report prints about the system. Linux sources: /proc/cpuinfo, sysinfo(2),
/// /proc/self/status, /etc/os-release, uname(2), /proc/uptime, the password database and the XDG folders.
struct SystemInfo {
    std::string exePath;               ///< full path of the running program
    std::string cpuName;               ///< "model name" of the first processor
    std::string cpuType;               ///< "cpuIntel", "cpuAMD", "cpuCyrix", "cpuCrusoe" or "cpuUnknown"
    std::uint64_t cpuMHz = 0;          ///< nominal clock (cpufreq maximum, else "cpu MHz")
    std::uint64_t processorCount = 0;  ///< processors online
    std::uint64_t physicalCores = 0;   ///< distinct (package, core) pairs, at most 255
    std::uint64_t logicalCores = 0;    ///< logical processors configured, at most 255
    std::uint64_t totalPhysical = 0;   ///< bytes of RAM
    std::uint64_t freePhysical = 0;    ///< bytes of RAM available
    std::uint64_t totalPageFile = 0;   ///< RAM plus swap: the commit limit
    std::uint64_t freePageFile = 0;    ///< free RAM plus free swap
    std::uint64_t totalVirtual =
        0;  ///< address space of the process (RLIMIT_AS, else the user half of 48 bits)
    std::uint64_t freeVirtual = 0;  ///< that minus the process's VmSize
    std::string productName;        ///< PRETTY_NAME of /etc/os-release, else the kernel name
    std::string osVersion;    ///< "lvLinux" + kernel major version ("lvLinux6"), of the same form as "wvWin7"
    std::string productType;  ///< "ptWorkStation" with a display, "ptServer" without
    std::uint64_t versionBuild = 0;   ///< kernel patch level (6.1.0 -> 0)
    std::uint64_t versionMajor = 0;   ///< kernel major version
    std::uint64_t versionMinor = 0;   ///< kernel minor version
    std::uint64_t servicePack = 0;    ///< always 0 on Linux
    std::string csdString;            ///< the kernel's build string (uname -v)
    std::uint64_t uptimeSeconds = 0;  ///< time since boot
    std::string userName;             ///< name of the effective user
    std::string appDataFolder;        ///< $XDG_CONFIG_HOME, else ~/.config
    std::string programFilesFolder;   ///< "/usr"
    std::string profileFolder;        ///< $HOME, else the home folder of the password database
};

/// Gathers the facts; a fact that cannot be read stays empty or 0.
SystemInfo ReadSystemInfo();

}  // namespace vorlex::platform
