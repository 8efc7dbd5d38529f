#pragma once
// A simulated remote access service driven by a text file, re-read at every call, so that a
// demo or a test changes what the program sees by rewriting the file. UTF-8, one record a line,
// fields separated by one TAB; empty lines and lines starting with '#' are ignored:
//
//   entry        NAME
//   conn         HANDLE STATE ERROR ENTRY DEVICETYPE DEVICENAME
//   fail         entries|connections CODE
//   errortext    CODE TEXT
//
// A missing file is an empty phone-book with no connection.

#include "rasapi.h"

#include <QString>

namespace ras {

class SimRasApi final : public RasApi {
public:
    explicit SimRasApi(QString path);

    std::uint32_t RasEnumEntriesA(const char* reserved, const char* phonebook,
                                  RASENTRYNAMEA* entries, std::uint32_t* lpcb,
                                  std::uint32_t* lpcEntries) override;
    std::uint32_t RasEnumConnectionsA(RASCONNA* connections, std::uint32_t* lpcb,
                                      std::uint32_t* lpcConnections) override;
    std::uint32_t RasGetConnectStatusA(std::int32_t hrasconn, RASCONNSTATUSA* status) override;
    std::uint32_t RasGetErrorStringA(std::uint32_t error, char* buffer,
                                     std::uint32_t size) override;

private:
    QString m_path;
};

} // namespace ras
