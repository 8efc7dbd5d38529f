// CPU time of one poll through the pppd backend on a fake tree with three interfaces:
// idle (no ppp interface) and connected (one ppp interface up, owned by a pppd).
#include "connectionrecords.h"
#include "dialup.h"
#include "logdatabase.h"
#include "pppras.h"
#include "tracker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(content);
}

void makeInterface(const QString& root, const QString& name, int index, const QByteArray& flags)
{
    writeFile(root + QStringLiteral("/sys/class/net/") + name + QStringLiteral("/ifindex"),
              QByteArray::number(index));
    writeFile(root + QStringLiteral("/sys/class/net/") + name + QStringLiteral("/flags"), flags);
}

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

class NowClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// Average CPU microseconds of one tracker poll.
double measure(const QString& root, int polls)
{
    SharedState state;
    NowClock clock;
    auto log = LogDatabase::open(QStringLiteral("config/log.db"), nullptr);
    TDialUp probe(std::make_unique<ras::PppRasApi>(root));
    ConnectionRecords records(log->connection(), state, clock);
    ConnectionTracker tracker(state, probe, records);
    tracker.poll(); // the first connected poll inserts the row
    const double start = cpuSeconds();
    for (int i = 0; i < polls; ++i)
        tracker.poll();
    return (cpuSeconds() - start) / polls * 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QDir().mkpath(QStringLiteral("config"));

    const QString idle = dir.filePath(QStringLiteral("idle"));
    makeInterface(idle, QStringLiteral("lo"), 1, "0x9");
    makeInterface(idle, QStringLiteral("eth0"), 2, "0x1003");
    makeInterface(idle, QStringLiteral("wlan0"), 3, "0x1003");

    const QString connected = dir.filePath(QStringLiteral("connected"));
    makeInterface(connected, QStringLiteral("lo"), 1, "0x9");
    makeInterface(connected, QStringLiteral("eth0"), 2, "0x1003");
    makeInterface(connected, QStringLiteral("ppp0"), 3, "0x10d1");
    writeFile(connected + QStringLiteral("/run/ppp0.pid"), "4242\n");
    writeFile(connected + QStringLiteral("/proc/4242/cmdline"),
              QByteArray("/usr/sbin/pppd\0/dev/ttyS0\0115200\0call\0provider\0", 47));

    std::printf("BENCH poll_idle_cpu %.2f us\n", measure(idle, 20000));
    std::printf("BENCH poll_connected_cpu %.2f us\n", measure(connected, 6000));
    return 0;
}
