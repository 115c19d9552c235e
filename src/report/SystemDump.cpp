#include "report/SystemDump.h"

namespace vorlex::report {

std::vector<std::string> SystemDumpLines(const platform::SystemInfo& s, const std::string& versionText,
                                         const platform::RegionalFormats& formats) {
    auto n = [](std::uint64_t v) { return std::to_string(v); };
    // Uptime: whole days, a blank, then the rest of the day as a time of day.
    std::uint64_t days = s.uptimeSeconds / platform::kSecondsPerDay;
    std::uint64_t rest = s.uptimeSeconds % platform::kSecondsPerDay;
    platform::CivilTime t;
    t.year = 1899;
    t.month = 12;
    t.day = 30;
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    std::string timeText = platform::FormatTime(t, formats);
    return {
        "LogSystemInfo App.ExeName: " + s.exePath,
        "LogSystemInfo App.Version:" + versionText,
        "LogSystemInfo CPU.Name:" + s.cpuName,
        "LogSystemInfo CPU.CPUType:" + s.cpuType,
        "LogSystemInfo CPU.NormFreq:" + n(s.cpuMHz),
        "LogSystemInfo CPU.ProcessorCount:" + n(s.processorCount),
        "LogSystemInfo CPU.PhysicalCore:" + n(s.physicalCores),
        "LogSystemInfo CPU.LogicalCore:" + n(s.logicalCores),
        "LogSystemInfo Memory.TotalPhysicalMemory:" + n(s.totalPhysical),
        "LogSystemInfo Memory.FreePhysicalMemory:" + n(s.freePhysical),
        "LogSystemInfo Memory.TotalPageFileMemory:" + n(s.totalPageFile),
        "LogSystemInfo Memory.FreePageFileMemory:" + n(s.freePageFile),
        "LogSystemInfo Memory.TotalVirtualMemory:" + n(s.totalVirtual),
        "LogSystemInfo Memory.FreeVirtualMemory:" + n(s.freeVirtual),
        "LogSystemInfo OS.ProductName:" + s.productName,
        "LogSystemInfo OS.OSVersion:" + s.osVersion,
        "LogSystemInfo OS.ProductType:" + s.productType,
        "LogSystemInfo OS.VersionBuild:" + n(s.versionBuild),
        "LogSystemInfo OS.VersionMajor:" + n(s.versionMajor),
        "LogSystemInfo OS.VersionMinor:" + n(s.versionMinor),
        "LogSystemInfo OS.ServicePackVersion:" + n(s.servicePack),
        "LogSystemInfo OS.VersionCSDString:" + s.csdString,
        "LogSystemInfo Identification.TimeRunning:" + n(days) + " " + timeText,
        "LogSystemInfo Identification.LocalUserName:" + s.userName,
        "LogSystemInfo Folders.AppData:" + s.appDataFolder,
        "LogSystemInfo Folders.ProgramFiles:" + s.programFilesFolder,
        "LogSystemInfo Folders.Profile:" + s.profileFolder,
    };
}

}  // namespace vorlex::report
