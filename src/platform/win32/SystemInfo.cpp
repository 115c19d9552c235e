#include "platform/SystemInfo.h"

#include "platform/Environment.h"
#include "platform/Paths.h"
#include "platform/win32/WinFs.h"

extern "C" NTSTATUS NTAPI RtlGetVersion(PRTL_OSVERSIONINFOW info);

namespace vorlex::platform {

namespace {

std::string RegistryText(const wchar_t* key, const wchar_t* value) {
    wchar_t buffer[256];
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    return win::Narrow(buffer);
}

DWORD RegistryNumber(const wchar_t* key, const wchar_t* value) {
    DWORD number = 0;
    DWORD size = sizeof number;
    return RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_DWORD, nullptr, &number, &size) ==
                   ERROR_SUCCESS
               ? number
               : 0;
}

}  // namespace

SystemInfo ReadSystemInfo() {
    SystemInfo s;
    s.exePath = ProgramFile();
    const wchar_t* cpuKey = L"HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";
    s.cpuName = RegistryText(cpuKey, L"ProcessorNameString");
    const std::string vendor = RegistryText(cpuKey, L"VendorIdentifier");
    s.cpuType = vendor == "GenuineIntel"   ? "cpuIntel"
                : vendor == "AuthenticAMD" ? "cpuAMD"
                : vendor == "CyrixInstead" ? "cpuCyrix"
                : vendor == "GenuineTMx86" ? "cpuCrusoe"
                                           : "cpuUnknown";
    s.cpuMHz = RegistryNumber(cpuKey, L"~MHz");
    SYSTEM_INFO si{};
    GetNativeSystemInfo(&si);
    s.processorCount = si.dwNumberOfProcessors;
    s.logicalCores = si.dwNumberOfProcessors > 255 ? 255 : si.dwNumberOfProcessors;
    DWORD length = 0;
    GetLogicalProcessorInformationEx(RelationProcessorCore, nullptr, &length);
    std::string buffer(length, '\0');
    if (length != 0 &&
        GetLogicalProcessorInformationEx(
            RelationProcessorCore, reinterpret_cast<SYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX*>(buffer.data()),
            &length)) {
        for (DWORD at = 0; at < length && s.physicalCores < 255;) {
            const auto* item =
                reinterpret_cast<const SYSTEM_LOGICAL_PROCESSOR_INFORMATION_EX*>(buffer.data() + at);
            ++s.physicalCores;
            at += item->Size;
        }
    }
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    if (GlobalMemoryStatusEx(&memory)) {
        s.totalPhysical = memory.ullTotalPhys;
        s.freePhysical = memory.ullAvailPhys;
        s.totalPageFile = memory.ullTotalPageFile;
        s.freePageFile = memory.ullAvailPageFile;
        s.totalVirtual = memory.ullTotalVirtual;
        s.freeVirtual = memory.ullAvailVirtual;
    }
    RTL_OSVERSIONINFOEXW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (RtlGetVersion(reinterpret_cast<PRTL_OSVERSIONINFOW>(&version)) == 0) {
        s.versionMajor = version.dwMajorVersion;
        s.versionMinor = version.dwMinorVersion;
        s.versionBuild = version.dwBuildNumber;
        s.servicePack = version.wServicePackMajor;
        s.csdString = win::Narrow(version.szCSDVersion);
        s.productType = version.wProductType == VER_NT_WORKSTATION ? "ptWorkStation" : "ptServer";
        s.osVersion = "wvWin" + std::to_string(version.dwMajorVersion);
    }
    s.productName = RegistryText(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"ProductName");
    s.uptimeSeconds = GetTickCount64() / 1000;
    wchar_t user[257];
    DWORD userLength = 257;
    if (GetUserNameW(user, &userLength) && userLength > 0) {
        s.userName = win::Narrow(std::wstring_view(user, userLength - 1));
    }
    s.appDataFolder = win::ForwardSlashes(EnvironmentValue("APPDATA").value_or(""));
    s.programFilesFolder = win::ForwardSlashes(EnvironmentValue("ProgramFiles").value_or(""));
    s.profileFolder = win::ForwardSlashes(EnvironmentValue("USERPROFILE").value_or(""));
    return s;
}

}  // namespace vorlex::platform
