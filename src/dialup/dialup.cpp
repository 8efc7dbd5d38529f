#include "dialup.h"

#include <cstring>
#include <vector>

using namespace ras;

TDialUp::TDialUp(std::unique_ptr<RasApi> api)
    : m_api(std::move(api))
{}

TDialUp::~TDialUp() = default;

std::int32_t TDialUp::GetEntries()
{
    m_entries.clear();
    std::vector<RASENTRYNAMEA> buffer(MaxRecords);
    buffer[0].dwSize = sizeof(RASENTRYNAMEA);
    std::uint32_t size = MaxRecords * sizeof(RASENTRYNAMEA);
    std::uint32_t count = 0;
    const std::uint32_t result =
        m_api->RasEnumEntriesA(nullptr, nullptr, buffer.data(), &size, &count);
    if (result != 0)
        return std::int32_t(result);
    for (std::uint32_t i = 0; i < count && i < std::uint32_t(MaxRecords); ++i) {
        const RASENTRYNAMEA& record = buffer[i];
        m_entries.append(fieldText(record.szEntryName));
        if (OnEntryGet)
            OnEntryGet(this, record.szEntryName);
    }
    return 0;
}

std::int32_t TDialUp::GetActiveConnections()
{
    std::vector<RASCONNA> buffer(MaxRecords);
    buffer[0].dwSize = sizeof(RASCONNA);
    RASCONNSTATUSA status;
    std::memset(&status, 0, sizeof status);
    status.dwSize = sizeof(RASCONNSTATUSA);

    std::uint32_t size = MaxRecords * sizeof(RASCONNA);
    std::uint32_t count = 0;
    const std::uint32_t result = m_api->RasEnumConnectionsA(buffer.data(), &size, &count);
    if (result != 0)
        return std::int32_t(result);
    for (std::uint32_t i = 0; i < count && i < std::uint32_t(MaxRecords); ++i) {
        const RASCONNA& record = buffer[i];
        // A failed query (the connection ended meanwhile) leaves the record as it was.
        m_api->RasGetConnectStatusA(record.hrasconn, &status);
        const QString text = StatusText(status.rasconnstate, std::int32_t(status.dwError));
        if (OnActiveConnection)
            OnActiveConnection(this, record.hrasconn, status, text, record.szEntryName,
                               record.szDeviceType, record.szDeviceName);
    }
    return 0;
}

QString TDialUp::StatusText(std::int32_t State, std::int32_t Error)
{
    if (Error != 0) {
        char buffer[100] = {};
        m_api->RasGetErrorStringA(std::uint32_t(Error), buffer, sizeof buffer);
        buffer[sizeof buffer - 1] = '\0';
        return fieldText(buffer);
    }
    return rasStateText(Language, State);
}

namespace {

struct StateText {
    std::int32_t state;
    const char* english;
    const char* czech;
};

// clang-format off
constexpr StateText stateTexts[] = {
    {0, "Opening port", "Otevírám port"},
    {1, "Port opened", "Port otevřen"},
    {2, "Connecting device", "Připojuji zařízení"},
    {3, "Device connected", "Zařízení připojeno"},
    {4, "All devices connected", "Všechna zařízení připojena"},
    {5, "Start authenticating", "Začínám ověřování"},
    {6, "Authentication: notify", "Ověřování: upozornění"},
    {7, "Authentication: retry", "Ověřování: opakování"},
    {8, "Authentication: callback", "Ověřování: zpětné volání"},
    {9, "Authentication: change password", "Ověřování: změna hesla"},
    {10, "Authentication: projecting", "Ověřování: projekce"},
    {11, "Authentication: link speed", "Ověřování: rychlost linky"},
    {12, "Authentication: acknowledge", "Ověřování: potvrzení"},
    {13, "Authentication: reauthenticate", "Ověřování: nové ověření"},
    {14, "Authenticated", "Ověřeno"},
    {15, "Preparing for callback", "Příprava na zpětné volání"},
    {16, "Waiting for modem reset", "Čekám na reset modemu"},
    {17, "Waiting for callback", "Čekám na zpětné volání"},
    {18, "Projected", "Projekce dokončena"},
    {19, "Start authentication", "Zahájení ověřování"},
    {20, "Callback complete", "Zpětné volání dokončeno"},
    {21, "Logging on network", "Přihlašuji do sítě"},
    {0x1000, "Interactive", "Interaktivní"},
    {0x1001, "Retry Authentication", "Opakovat ověřování"},
    {0x1002, "Callback set by caller", "Zpětné volání nastaveno volajícím"},
    {0x1003, "Password expired", "Heslo vypršelo"},
    {0x2000, "Connected", "Připojeno"},
    {0x2001, "Disconnected", "Odpojeno"},
};
// clang-format on

} // namespace

QString rasStateText(TDialUp::TLanguage language, std::int32_t state)
{
    for (const StateText& t : stateTexts)
        if (t.state == state)
            return QString::fromUtf8(language == TDialUp::Czech ? t.czech : t.english);
    return {};
}
