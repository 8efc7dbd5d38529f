#pragma once
// The four functions of the remote access service that the probe calls. A backend implements
// them with the same records, results and byte counts as the platform's rasapi32.

#include "rasrecords.h"

#include <cstdint>

namespace ras {

class RasApi {
public:
    virtual ~RasApi() = default;

    // lpcb: in, the buffer's size in bytes; out, the size needed. lpcEntries: records written.
    virtual std::uint32_t RasEnumEntriesA(const char* reserved, const char* phonebook,
                                          RASENTRYNAMEA* entries, std::uint32_t* lpcb,
                                          std::uint32_t* lpcEntries) = 0;
    virtual std::uint32_t RasEnumConnectionsA(RASCONNA* connections, std::uint32_t* lpcb,
                                              std::uint32_t* lpcConnections) = 0;
    virtual std::uint32_t RasGetConnectStatusA(std::int32_t hrasconn, RASCONNSTATUSA* status) = 0;
    virtual std::uint32_t RasGetErrorStringA(std::uint32_t error, char* buffer,
                                             std::uint32_t size) = 0;
};

} // namespace ras
