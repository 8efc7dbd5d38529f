// The platform's remote access service, rasapi32.dll, loaded at run time (Windows only).
#include "rasbackend.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace ras {
namespace {

// The service's own connection record. On 32-bit Windows it is RASCONNA byte for byte; on
// 64-bit Windows the handle is pointer-sized, so records are converted field by field.
struct NativeRasConnA {
    DWORD dwSize;
    HANDLE hrasconn;
    CHAR szEntryName[RAS_MaxEntryName + 1];
    CHAR szDeviceType[RAS_MaxDeviceType + 1];
    CHAR szDeviceName[RAS_MaxDeviceName + 1];
};

using EnumEntries = DWORD(WINAPI*)(LPCSTR, LPCSTR, RASENTRYNAMEA*, LPDWORD, LPDWORD);
using EnumConnections = DWORD(WINAPI*)(NativeRasConnA*, LPDWORD, LPDWORD);
using GetConnectStatus = DWORD(WINAPI*)(HANDLE, RASCONNSTATUSA*);
using GetErrorString = DWORD(WINAPI*)(UINT, LPSTR, DWORD);

class WinRasApi final : public RasApi {
public:
    explicit WinRasApi(HMODULE module)
        : m_module(module)
        , m_enumEntries(reinterpret_cast<EnumEntries>(GetProcAddress(module, "RasEnumEntriesA")))
        , m_enumConnections(
              reinterpret_cast<EnumConnections>(GetProcAddress(module, "RasEnumConnectionsA")))
        , m_getConnectStatus(
              reinterpret_cast<GetConnectStatus>(GetProcAddress(module, "RasGetConnectStatusA")))
        , m_getErrorString(
              reinterpret_cast<GetErrorString>(GetProcAddress(module, "RasGetErrorStringA")))
    {}
    ~WinRasApi() override { FreeLibrary(m_module); }
    WinRasApi(const WinRasApi&) = delete;
    WinRasApi& operator=(const WinRasApi&) = delete;

    bool complete() const
    {
        return m_enumEntries && m_enumConnections && m_getConnectStatus && m_getErrorString;
    }

    std::uint32_t RasEnumEntriesA(const char* reserved, const char* phonebook,
                                  RASENTRYNAMEA* entries, std::uint32_t* lpcb,
                                  std::uint32_t* lpcEntries) override
    {
        DWORD cb = *lpcb, count = 0;
        const DWORD result = m_enumEntries(reserved, phonebook, entries, &cb, &count);
        *lpcb = cb;
        *lpcEntries = count;
        return result;
    }

    std::uint32_t RasEnumConnectionsA(RASCONNA* connections, std::uint32_t* lpcb,
                                      std::uint32_t* lpcConnections) override
    {
        const DWORD capacity = *lpcb / sizeof(RASCONNA);
        std::vector<NativeRasConnA> native(capacity ? capacity : 1);
        std::memset(native.data(), 0, native.size() * sizeof(NativeRasConnA));
        native[0].dwSize = sizeof(NativeRasConnA);
        DWORD cb = capacity * sizeof(NativeRasConnA), count = 0;
        const DWORD result = m_enumConnections(native.data(), &cb, &count);
        *lpcb = std::uint32_t(cb / sizeof(NativeRasConnA) * sizeof(RASCONNA));
        *lpcConnections = count;
        if (result != 0)
            return result;
        for (DWORD i = 0; i < count && i < capacity; ++i) {
            RASCONNA& r = connections[i];
            r.dwSize = sizeof(RASCONNA);
            r.hrasconn = std::int32_t(reinterpret_cast<INT_PTR>(native[i].hrasconn));
            std::memcpy(r.szEntryName, native[i].szEntryName, sizeof r.szEntryName);
            std::memcpy(r.szDeviceType, native[i].szDeviceType, sizeof r.szDeviceType);
            std::memcpy(r.szDeviceName, native[i].szDeviceName, sizeof r.szDeviceName);
        }
        return result;
    }

    std::uint32_t RasGetConnectStatusA(std::int32_t hrasconn, RASCONNSTATUSA* status) override
    {
        return m_getConnectStatus(reinterpret_cast<HANDLE>(INT_PTR(hrasconn)), status);
    }

    std::uint32_t RasGetErrorStringA(std::uint32_t error, char* buffer, std::uint32_t size) override
    {
        return m_getErrorString(error, buffer, size);
    }

private:
    HMODULE m_module;
    EnumEntries m_enumEntries;
    EnumConnections m_enumConnections;
    GetConnectStatus m_getConnectStatus;
    GetErrorString m_getErrorString;
};

} // namespace

std::unique_ptr<RasApi> createWindowsBackend(QString* error)
{
    HMODULE module = LoadLibraryW(L"rasapi32.dll");
    if (!module) {
        if (error)
            *error = QStringLiteral("dial-up networking is not installed (rasapi32.dll)");
        return nullptr;
    }
    auto api = std::make_unique<WinRasApi>(module);
    if (!api->complete()) {
        if (error)
            *error = QStringLiteral("rasapi32.dll lacks the remote access functions");
        return nullptr;
    }
    return api;
}

} // namespace ras
