#include "pppras.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace ras {
namespace {

constexpr unsigned IFF_UP = 0x1;
constexpr unsigned IFF_RUNNING = 0x40;

QByteArray readSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(64 * 1024);
}

struct PppProcess {
    QByteArray entryName;
    QByteArray deviceName;
};

QList<QByteArray> arguments(const QByteArray& cmdline)
{
    QList<QByteArray> args = cmdline.split('\0');
    while (!args.isEmpty() && args.constLast().isEmpty())
        args.removeLast();
    return args;
}

QByteArray optionValue(const QList<QByteArray>& args, const QByteArray& option)
{
    for (qsizetype i = 1; i + 1 < args.size(); ++i)
        if (args[i] == option)
            return args[i + 1];
    return {};
}

bool isPppd(const QList<QByteArray>& args)
{
    if (args.isEmpty())
        return false;
    const QByteArray& program = args.first();
    return program == "pppd" || program.endsWith("/pppd");
}

} // namespace

PppRasApi::PppRasApi(QString root)
    : m_root(std::move(root))
{
    while (m_root.endsWith(QLatin1Char('/')))
        m_root.chop(1);
}

std::uint32_t PppRasApi::RasEnumEntriesA(const char*, const char*, RASENTRYNAMEA* entries,
                                         std::uint32_t* lpcb, std::uint32_t* lpcEntries)
{
    if (!lpcb || !lpcEntries || (entries == nullptr && *lpcb != 0))
        return ERROR_INVALID_PARAMETER;
    if (entries && entries->dwSize != sizeof(RASENTRYNAMEA))
        return ERROR_INVALID_SIZE;

    QDir peers(path(QStringLiteral("/etc/ppp/peers")));
    QStringList names = peers.entryList(QDir::Files | QDir::Readable, QDir::Name);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString& n) { return n.endsWith(QLatin1Char('~')); }),
                names.end());

    const auto count = std::uint32_t(names.size());
    const std::uint32_t needed = count * sizeof(RASENTRYNAMEA);
    *lpcEntries = 0;
    if (needed > *lpcb) {
        *lpcb = needed;
        return ERROR_BUFFER_TOO_SMALL;
    }
    *lpcb = needed;
    for (std::uint32_t i = 0; i < count; ++i) {
        entries[i].dwSize = sizeof(RASENTRYNAMEA);
        setFieldText(entries[i].szEntryName, names[qsizetype(i)].toUtf8());
    }
    *lpcEntries = count;
    return ERROR_SUCCESS;
}

namespace {

// The pppd that owns the interface: the pid file pppd writes for it, else a pppd whose
// "unit N" or "ifname NAME" option names it.
PppProcess owningProcess(const QString& root, const QString& interface)
{
    const QList<QString> pidFiles = {
        root + QStringLiteral("/run/") + interface + QStringLiteral(".pid"),
        root + QStringLiteral("/var/run/") + interface + QStringLiteral(".pid")};
    QList<QByteArray> args;
    for (const QString& pidFile : pidFiles) {
        bool ok = false;
        const qint64 pid = readSmallFile(pidFile).split('\n').first().trimmed().toLongLong(&ok);
        if (!ok || pid <= 0)
            continue;
        args = arguments(readSmallFile(root + QStringLiteral("/proc/") + QString::number(pid) +
                                       QStringLiteral("/cmdline")));
        if (isPppd(args))
            break;
        args.clear();
    }
    if (args.isEmpty()) {
        const QByteArray unit = interface.mid(3).toUtf8();
        const QByteArray name = interface.toUtf8();
        const QDir proc(root + QStringLiteral("/proc"));
        for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (pid.isEmpty() || !pid.front().isDigit())
                continue;
            const QList<QByteArray> candidate =
                arguments(readSmallFile(proc.filePath(pid) + QStringLiteral("/cmdline")));
            if (isPppd(candidate) &&
                (optionValue(candidate, "ifname") == name ||
                 (!unit.isEmpty() && optionValue(candidate, "unit") == unit))) {
                args = candidate;
                break;
            }
        }
    }

    PppProcess process;
    process.entryName = optionValue(args, "call");
    if (process.entryName.isEmpty())
        process.entryName = optionValue(args, "linkname");
    if (process.entryName.isEmpty())
        process.entryName = interface.toUtf8();
    for (const QByteArray& arg : args)
        if (arg.startsWith("/dev/")) {
            process.deviceName = arg;
            break;
        }
    return process;
}

} // namespace

std::uint32_t PppRasApi::RasEnumConnectionsA(RASCONNA* connections, std::uint32_t* lpcb,
                                             std::uint32_t* lpcConnections)
{
    if (!lpcb || !lpcConnections || (connections == nullptr && *lpcb != 0))
        return ERROR_INVALID_PARAMETER;
    if (connections && connections->dwSize != sizeof(RASCONNA))
        return ERROR_INVALID_SIZE;

    const QDir net(path(QStringLiteral("/sys/class/net")));
    const QStringList interfaces =
        net.entryList({QStringLiteral("ppp*")}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);

    m_interfaces.clear();
    const auto count = std::uint32_t(interfaces.size());
    const std::uint32_t needed = count * sizeof(RASCONNA);
    *lpcConnections = 0;
    if (needed > *lpcb) {
        *lpcb = needed;
        return ERROR_BUFFER_TOO_SMALL;
    }
    *lpcb = needed;
    for (std::uint32_t i = 0; i < count; ++i) {
        const QString& interface = interfaces[qsizetype(i)];
        bool ok = false;
        auto handle =
            std::int32_t(readSmallFile(net.filePath(interface) + QStringLiteral("/ifindex"))
                             .trimmed()
                             .toInt(&ok));
        if (!ok)
            handle = std::int32_t(qHash(interface) & 0x7fffffff);
        m_interfaces.insert(handle, interface);

        const PppProcess process = owningProcess(m_root, interface);
        RASCONNA& r = connections[i];
        r.dwSize = sizeof(RASCONNA);
        r.hrasconn = handle;
        setFieldText(r.szEntryName, process.entryName);
        setFieldText(r.szDeviceType, process.deviceName.isEmpty() ? "PPP" : "modem");
        setFieldText(r.szDeviceName, process.deviceName);
    }
    *lpcConnections = count;
    return ERROR_SUCCESS;
}

std::uint32_t PppRasApi::RasGetConnectStatusA(std::int32_t hrasconn, RASCONNSTATUSA* status)
{
    if (!status)
        return ERROR_INVALID_PARAMETER;
    if (status->dwSize != sizeof(RASCONNSTATUSA))
        return ERROR_INVALID_SIZE;
    const auto found = m_interfaces.constFind(hrasconn);
    if (found == m_interfaces.constEnd())
        return ERROR_INVALID_HANDLE;
    const QString dir = path(QStringLiteral("/sys/class/net/")) + *found;
    QFile flagsFile(dir + QStringLiteral("/flags"));
    if (!flagsFile.open(QIODevice::ReadOnly))
        return ERROR_INVALID_HANDLE; // the interface went away since the enumeration
    bool ok = false;
    const unsigned flags = flagsFile.read(32).trimmed().toUInt(&ok, 0);
    const bool running = ok && (flags & (IFF_UP | IFF_RUNNING)) == (IFF_UP | IFF_RUNNING);
    status->rasconnstate = running ? RASCS_Connected : RASCS_DeviceConnected;
    status->dwError = 0;
    setFieldText(status->szDeviceType, QByteArray("PPP"));
    setFieldText(status->szDeviceName, found->toUtf8());
    return ERROR_SUCCESS;
}

std::uint32_t PppRasApi::RasGetErrorStringA(std::uint32_t error, char* buffer, std::uint32_t size)
{
    if (!buffer || size == 0)
        return ERROR_INVALID_PARAMETER;
    QByteArray text;
    switch (error) {
    case ERROR_INVALID_HANDLE:
        text = "The handle is invalid.";
        break;
    case ERROR_BUFFER_TOO_SMALL:
        text = "The buffer is too small.";
        break;
    case ERROR_INVALID_SIZE:
        text = "The structure size is incorrect.";
        break;
    default:
        text = "Remote access error " + QByteArray::number(error) + '.';
        break;
    }
    setFieldText(buffer, size, text);
    return ERROR_SUCCESS;
}

} // namespace ras
