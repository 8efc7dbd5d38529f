#pragma once
// The remote access service over Linux pppd. The phone-book is the peer files in
// /etc/ppp/peers; the active connections are the ppp* network interfaces, connected when the
// interface is up and running and still dialling otherwise. A connection's entry name comes from
// the pppd that owns the interface: its "call NAME" argument, else its "linkname NAME", else
// the interface's own name. Every absolute path is read below root, so that tests can supply a
// small fake tree.

#include "rasapi.h"

#include <QHash>
#include <QString>

namespace ras {

class PppRasApi final : public RasApi {
public:
    explicit PppRasApi(QString root = {});

    std::uint32_t RasEnumEntriesA(const char* reserved, const char* phonebook,
                                  RASENTRYNAMEA* entries, std::uint32_t* lpcb,
                                  std::uint32_t* lpcEntries) override;
    std::uint32_t RasEnumConnectionsA(RASCONNA* connections, std::uint32_t* lpcb,
                                      std::uint32_t* lpcConnections) override;
    std::uint32_t RasGetConnectStatusA(std::int32_t hrasconn, RASCONNSTATUSA* status) override;
    std::uint32_t RasGetErrorStringA(std::uint32_t error, char* buffer,
                                     std::uint32_t size) override;

private:
    QString path(const QString& absolute) const { return m_root + absolute; }

    QString m_root;
    // Interface names by handle, from the last enumeration.
    QHash<std::int32_t, QString> m_interfaces;
};

} // namespace ras
