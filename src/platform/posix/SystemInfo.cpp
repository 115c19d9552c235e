#include "platform/SystemInfo.h"

#include <pwd.h>
#include <sys/resource.h>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <utility>

#include "platform/Paths.h"

namespace vorlex::platform {

namespace {

std::string Trim(std::string s) {
    size_t b = s.find_first_not_of(" \t\"");
    size_t e = s.find_last_not_of(" \t\"\r\n");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

}  // namespace

SystemInfo ReadSystemInfo() {
    SystemInfo s;
    s.exePath = ProgramFile();

    std::ifstream cpu("/proc/cpuinfo");
    std::string line;
    std::string vendor;
    std::set<std::pair<std::string, std::string>> cores;
    std::string physId;
    double mhz = 0;
    while (std::getline(cpu, line)) {
        auto colon = line.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        std::string key = Trim(line.substr(0, colon));
        std::string value = Trim(line.substr(colon + 1));
        if (key == "model name" && s.cpuName.empty()) {
            s.cpuName = value;
        } else if (key == "vendor_id" && vendor.empty()) {
            vendor = value;
        } else if (key == "cpu MHz" && mhz == 0) {
            mhz = std::atof(value.c_str());
        } else if (key == "physical id") {
            physId = value;
        } else if (key == "core id") {
            cores.emplace(physId, value);
        }
    }
    if (vendor == "GenuineIntel") {
        s.cpuType = "cpuIntel";
    } else if (vendor == "AuthenticAMD") {
        s.cpuType = "cpuAMD";
    } else if (vendor == "CyrixInstead") {
        s.cpuType = "cpuCyrix";
    } else if (vendor == "GenuineTMx86" || vendor == "TransmetaCPU") {
        s.cpuType = "cpuCrusoe";
    } else {
        s.cpuType = "cpuUnknown";
    }
    std::ifstream maxFreq("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq");
    std::uint64_t khz = 0;
    if (maxFreq >> khz && khz > 0) {
        s.cpuMHz = khz / 1000;
    } else {
        s.cpuMHz = static_cast<std::uint64_t>(mhz + 0.5);
    }
    long online = sysconf(_SC_NPROCESSORS_ONLN);
    long conf = sysconf(_SC_NPROCESSORS_CONF);
    s.processorCount = online > 0 ? static_cast<std::uint64_t>(online) : 0;
    s.logicalCores = conf > 0 ? std::min<std::uint64_t>(static_cast<std::uint64_t>(conf), 255) : 0;
    s.physicalCores = std::min<std::uint64_t>(cores.empty() ? s.logicalCores : cores.size(), 255);

    struct sysinfo si {};
    if (sysinfo(&si) == 0) {
        std::uint64_t unit = si.mem_unit != 0 ? si.mem_unit : 1;
        s.totalPhysical = si.totalram * unit;
        s.freePhysical = si.freeram * unit;
        s.totalPageFile = (si.totalram + si.totalswap) * unit;
        s.freePageFile = (si.freeram + si.freeswap) * unit;
        s.uptimeSeconds = static_cast<std::uint64_t>(si.uptime);
    }
    std::ifstream meminfo("/proc/meminfo");
    while (std::getline(meminfo, line)) {
        if (line.rfind("MemAvailable:", 0) == 0) {
            s.freePhysical = std::strtoull(line.c_str() + 13, nullptr, 10) * 1024;
        }
    }
    struct rlimit as {};
    s.totalVirtual = getrlimit(RLIMIT_AS, &as) == 0 && as.rlim_cur != RLIM_INFINITY
                         ? static_cast<std::uint64_t>(as.rlim_cur)
                         : (std::uint64_t{1} << 47);
    std::ifstream status("/proc/self/status");
    std::uint64_t vmSize = 0;
    while (std::getline(status, line)) {
        if (line.rfind("VmSize:", 0) == 0) {
            vmSize = std::strtoull(line.c_str() + 7, nullptr, 10) * 1024;
        }
    }
    s.freeVirtual = s.totalVirtual > vmSize ? s.totalVirtual - vmSize : 0;

    std::ifstream osr("/etc/os-release");
    while (std::getline(osr, line)) {
        if (line.rfind("PRETTY_NAME=", 0) == 0) {
            s.productName = Trim(line.substr(12));
        }
    }
    struct utsname u {};
    if (uname(&u) == 0) {
        if (s.productName.empty()) {
            s.productName = u.sysname;
        }
        unsigned long major = 0;
        unsigned long minor = 0;
        unsigned long patch = 0;
        std::sscanf(u.release, "%lu.%lu.%lu", &major, &minor, &patch);
        s.versionMajor = major;
        s.versionMinor = minor;
        s.versionBuild = patch;
        s.osVersion = "lvLinux" + std::to_string(major);
        s.csdString = u.version;
    } else {
        s.osVersion = "lvUnknown";
    }
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    s.productType = (display != nullptr && *display != '\0') || (wayland != nullptr && *wayland != '\0')
                        ? "ptWorkStation"
                        : "ptServer";

    struct passwd pw {};
    struct passwd* found = nullptr;
    char pwbuf[4096];
    getpwuid_r(geteuid(), &pw, pwbuf, sizeof pwbuf, &found);
    if (found != nullptr) {
        s.userName = found->pw_name;
    }
    const char* home = std::getenv("HOME");
    s.profileFolder = home != nullptr && *home != '\0' ? home : (found != nullptr ? found->pw_dir : "");
    const char* config = std::getenv("XDG_CONFIG_HOME");
    s.appDataFolder = config != nullptr && *config != '\0' ? config : s.profileFolder + "/.config";
    s.programFilesFolder = "/usr";
    return s;
}

}  // namespace vorlex::platform
