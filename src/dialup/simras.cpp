#include "simras.h"

#include <QFile>
#include <QList>

#include <optional>

namespace ras {
namespace {

struct SimConnection {
    std::int32_t handle = 0;
    std::int32_t state = 0;
    std::uint32_t error = 0;
    QByteArray entry, deviceType, deviceName;
};

struct SimState {
    QList<QByteArray> entries;
    QList<SimConnection> connections;
    std::optional<std::uint32_t> failEntries, failConnections;
    QList<std::pair<std::uint32_t, QByteArray>> errorTexts;
};

std::optional<qint64> number(const QByteArray& field)
{
    bool ok = false;
    const qint64 value = field.trimmed().toLongLong(&ok, 0);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

// Lines that do not fit their record's form are skipped.
SimState readSim(const QString& path)
{
    SimState sim;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sim;
    const QByteArray content = file.readAll();
    for (QByteArray line : content.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> f = line.split('\t');
        const QByteArray& kind = f[0];
        if (kind == "entry" && f.size() >= 2) {
            sim.entries.append(f[1]);
        } else if (kind == "conn" && f.size() >= 7) {
            const auto handle = number(f[1]), state = number(f[2]), error = number(f[3]);
            if (!handle || !state || !error)
                continue;
            sim.connections.append({std::int32_t(*handle), std::int32_t(*state),
                                    std::uint32_t(*error), f[4], f[5], f[6]});
        } else if (kind == "fail" && f.size() >= 3) {
            const auto code = number(f[2]);
            if (!code)
                continue;
            if (f[1] == "entries")
                sim.failEntries = std::uint32_t(*code);
            else if (f[1] == "connections")
                sim.failConnections = std::uint32_t(*code);
        } else if (kind == "errortext" && f.size() >= 3) {
            if (const auto code = number(f[1]))
                sim.errorTexts.append({std::uint32_t(*code), f.mid(2).join('\t')});
        }
    }
    return sim;
}

} // namespace

SimRasApi::SimRasApi(QString path)
    : m_path(std::move(path))
{}

std::uint32_t SimRasApi::RasEnumEntriesA(const char*, const char*, RASENTRYNAMEA* entries,
                                         std::uint32_t* lpcb, std::uint32_t* lpcEntries)
{
    if (!lpcb || !lpcEntries || (entries == nullptr && *lpcb != 0))
        return ERROR_INVALID_PARAMETER;
    if (entries && entries->dwSize != sizeof(RASENTRYNAMEA))
        return ERROR_INVALID_SIZE;
    const SimState sim = readSim(m_path);
    if (sim.failEntries && *sim.failEntries != 0)
        return *sim.failEntries;
    const auto count = std::uint32_t(sim.entries.size());
    const std::uint32_t needed = count * sizeof(RASENTRYNAMEA);
    *lpcEntries = 0;
    if (needed > *lpcb) {
        *lpcb = needed;
        return ERROR_BUFFER_TOO_SMALL;
    }
    *lpcb = needed;
    for (std::uint32_t i = 0; i < count; ++i) {
        entries[i].dwSize = sizeof(RASENTRYNAMEA);
        setFieldText(entries[i].szEntryName, sim.entries[qsizetype(i)]);
    }
    *lpcEntries = count;
    return ERROR_SUCCESS;
}

std::uint32_t SimRasApi::RasEnumConnectionsA(RASCONNA* connections, std::uint32_t* lpcb,
                                             std::uint32_t* lpcConnections)
{
    if (!lpcb || !lpcConnections || (connections == nullptr && *lpcb != 0))
        return ERROR_INVALID_PARAMETER;
    if (connections && connections->dwSize != sizeof(RASCONNA))
        return ERROR_INVALID_SIZE;
    const SimState sim = readSim(m_path);
    if (sim.failConnections && *sim.failConnections != 0)
        return *sim.failConnections;
    const auto count = std::uint32_t(sim.connections.size());
    const std::uint32_t needed = count * sizeof(RASCONNA);
    *lpcConnections = 0;
    if (needed > *lpcb) {
        *lpcb = needed;
        return ERROR_BUFFER_TOO_SMALL;
    }
    *lpcb = needed;
    for (std::uint32_t i = 0; i < count; ++i) {
        const SimConnection& c = sim.connections[qsizetype(i)];
        RASCONNA& r = connections[i];
        r.dwSize = sizeof(RASCONNA);
        r.hrasconn = c.handle;
        setFieldText(r.szEntryName, c.entry);
        setFieldText(r.szDeviceType, c.deviceType);
        setFieldText(r.szDeviceName, c.deviceName);
    }
    *lpcConnections = count;
    return ERROR_SUCCESS;
}

std::uint32_t SimRasApi::RasGetConnectStatusA(std::int32_t hrasconn, RASCONNSTATUSA* status)
{
    if (!status)
        return ERROR_INVALID_PARAMETER;
    if (status->dwSize != sizeof(RASCONNSTATUSA))
        return ERROR_INVALID_SIZE;
    const SimState sim = readSim(m_path);
    for (const SimConnection& c : sim.connections) {
        if (c.handle != hrasconn)
            continue;
        status->rasconnstate = c.state;
        status->dwError = c.error;
        setFieldText(status->szDeviceType, c.deviceType);
        setFieldText(status->szDeviceName, c.deviceName);
        return ERROR_SUCCESS;
    }
    return ERROR_INVALID_HANDLE;
}

std::uint32_t SimRasApi::RasGetErrorStringA(std::uint32_t error, char* buffer, std::uint32_t size)
{
    if (!buffer || size == 0)
        return ERROR_INVALID_PARAMETER;
    const SimState sim = readSim(m_path);
    for (const auto& [code, text] : sim.errorTexts) {
        if (code == error) {
            setFieldText(buffer, size, text);
            return ERROR_SUCCESS;
        }
    }
    return ERROR_INVALID_PARAMETER;
}

} // namespace ras
