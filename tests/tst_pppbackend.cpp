// The pppd backend on a small fake system tree: peers, interfaces, pid files and processes.
#include "dialup.h"
#include "pppras.h"
#include "testsupport.h"

#include <QtTest>

namespace {

struct Seen {
    std::int32_t handle;
    QString text;
    QString entry;
    QString device;
};

// A fake root: /etc/ppp/peers, /sys/class/net, /run, /proc.
class FakeTree {
public:
    explicit FakeTree(QString root)
        : m_root(std::move(root))
    {}
    void peer(const QString& name)
    {
        writeFile(m_root + QStringLiteral("/etc/ppp/peers/") + name, "noauth\n");
    }
    void interface(const QString& name, int index, const QByteArray& flags)
    {
        const QString dir = m_root + QStringLiteral("/sys/class/net/") + name;
        writeFile(dir + QStringLiteral("/ifindex"), QByteArray::number(index) + '\n');
        writeFile(dir + QStringLiteral("/flags"), flags + '\n');
    }
    void process(int pid, const QList<QByteArray>& argv)
    {
        writeFile(m_root + QStringLiteral("/proc/%1/cmdline").arg(pid), argv.join('\0') + '\0');
    }
    void pidFile(const QString& dir, const QString& interface, int pid)
    {
        writeFile(m_root + dir + interface + QStringLiteral(".pid"),
                  QByteArray::number(pid) + '\n');
    }
    void remove(const QString& relative) { QDir(m_root + relative).removeRecursively(); }

private:
    QString m_root;
};

} // namespace

class TestPppBackend : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<TempWorkdir>();
        m_root = m_dir->file(QStringLiteral("root"));
        m_tree = std::make_unique<FakeTree>(m_root);
        m_probe = std::make_unique<TDialUp>(std::make_unique<ras::PppRasApi>(m_root));
        m_seen.clear();
        m_probe->OnActiveConnection =
            [this](TDialUp*, std::int32_t handle, ras::RASCONNSTATUSA, const QString& text,
                   const TDialUp::EntryNameArray& entry, const TDialUp::DeviceTypeArray&,
                   const TDialUp::DeviceNameArray& device) {
                m_seen << Seen{handle, text, ras::fieldText(entry), ras::fieldText(device)};
            };
    }
    void cleanup()
    {
        m_probe.reset();
        m_tree.reset();
        m_dir.reset();
    }

    void peersAreThePhoneBook()
    {
        QCOMPARE(m_probe->GetEntries(), 0); // no /etc/ppp at all
        QVERIFY(m_probe->Entries().isEmpty());
        m_tree->peer(QStringLiteral("work"));
        m_tree->peer(QStringLiteral("home isp"));
        m_tree->peer(QStringLiteral("home isp~")); // an editor's backup
        QDir().mkpath(m_root + QStringLiteral("/etc/ppp/peers/chat-scripts"));
        QCOMPARE(m_probe->GetEntries(), 0);
        QCOMPARE(m_probe->Entries(),
                 (QStringList{QStringLiteral("home isp"), QStringLiteral("work")}));
    }

    void noPppInterfaceIsNoConnection()
    {
        m_tree->interface(QStringLiteral("lo"), 1, "0x9");
        m_tree->interface(QStringLiteral("eth0"), 2, "0x1043");
        QCOMPARE(m_probe->GetActiveConnections(), 0);
        QVERIFY(m_seen.isEmpty());
    }

    void entryNameComesFromTheOwningPppd()
    {
        m_tree->interface(QStringLiteral("eth0"), 2, "0x1043");
        // ppp0: pid file in /run, pppd started with "call".
        m_tree->interface(QStringLiteral("ppp0"), 5, "0x10d1");
        m_tree->pidFile(QStringLiteral("/run/"), QStringLiteral("ppp0"), 400);
        m_tree->process(400, {"/usr/sbin/pppd", "/dev/ttyS0", "115200", "call", "provider"});
        // ppp1: pid file in /var/run, only a linkname; still negotiating (up, not running).
        m_tree->interface(QStringLiteral("ppp1"), 6, "0x1091");
        m_tree->pidFile(QStringLiteral("/var/run/"), QStringLiteral("ppp1"), 401);
        m_tree->process(401, {"pppd", "linkname", "backup", "nodetach"});
        // ppp2: no pid file; found by its unit number.
        m_tree->interface(QStringLiteral("ppp2"), 7, "0x10d1");
        m_tree->process(402, {"pppd", "unit", "2", "call", "third"});
        // ppp3: no owner to be found.
        m_tree->interface(QStringLiteral("ppp3"), 8, "0x10d1");

        QCOMPARE(m_probe->GetActiveConnections(), 0);
        QCOMPARE(m_seen.size(), 4);
        QCOMPARE(m_seen[0].entry, QStringLiteral("provider"));
        QCOMPARE(m_seen[0].text, QStringLiteral("Connected"));
        QCOMPARE(m_seen[0].handle, 5);
        QCOMPARE(m_seen[1].entry, QStringLiteral("backup"));
        QCOMPARE(m_seen[1].text, QStringLiteral("Device connected"));
        QCOMPARE(m_seen[2].entry, QStringLiteral("third"));
        QCOMPARE(m_seen[2].text, QStringLiteral("Connected"));
        QCOMPARE(m_seen[3].entry, QStringLiteral("ppp3"));
    }

    void aPidFileOfAnotherProgramIsNotTrusted()
    {
        m_tree->interface(QStringLiteral("ppp0"), 5, "0x10d1");
        m_tree->pidFile(QStringLiteral("/run/"), QStringLiteral("ppp0"), 77);
        m_tree->process(77, {"/usr/bin/vim", "call", "wrong"});
        m_tree->process(78, {"pppd", "ifname", "ppp0", "linkname", "right"});
        QCOMPARE(m_probe->GetActiveConnections(), 0);
        QCOMPARE(m_seen.value(0).entry, QStringLiteral("right"));
    }

    void interfaceGoneBeforeTheStatusQuery()
    {
        ras::PppRasApi api(m_root);
        m_tree->interface(QStringLiteral("ppp0"), 5, "0x10d1");
        std::vector<ras::RASCONNA> buffer(ras::MaxRecords);
        buffer[0].dwSize = sizeof(ras::RASCONNA);
        std::uint32_t size = ras::MaxRecords * sizeof(ras::RASCONNA), count = 0;
        QCOMPARE(api.RasEnumConnectionsA(buffer.data(), &size, &count), 0u);
        QCOMPARE(count, 1u);
        m_tree->remove(QStringLiteral("/sys/class/net/ppp0"));
        ras::RASCONNSTATUSA status = {};
        status.dwSize = sizeof status;
        QCOMPARE(api.RasGetConnectStatusA(buffer[0].hrasconn, &status), ras::ERROR_INVALID_HANDLE);
        QCOMPARE(status.rasconnstate, 0);
    }

private:
    std::unique_ptr<TempWorkdir> m_dir;
    QString m_root;
    std::unique_ptr<FakeTree> m_tree;
    std::unique_ptr<TDialUp> m_probe;
    QList<Seen> m_seen;
};

QTEST_GUILESS_MAIN(TestPppBackend)
#include "tst_pppbackend.moc"
