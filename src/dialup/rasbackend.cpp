#include "rasbackend.h"

#include "pppras.h"
#include "simras.h"

namespace ras {

QString defaultBackendSpec()
{
#ifdef Q_OS_WIN
    return QStringLiteral("win");
#else
    return QStringLiteral("ppp");
#endif
}

QString chooseBackendSpec(const QString& option, const QString& environment)
{
    if (!option.isEmpty())
        return option;
    if (!environment.isEmpty())
        return environment;
    return defaultBackendSpec();
}

std::unique_ptr<RasApi> createBackend(const QString& spec, QString* error)
{
    const QString sim = QStringLiteral("sim:");
    const QString pppRoot = QStringLiteral("ppp:");
    if (spec == QStringLiteral("ppp"))
        return std::make_unique<PppRasApi>();
    if (spec.startsWith(pppRoot) && spec.size() > pppRoot.size())
        return std::make_unique<PppRasApi>(spec.mid(pppRoot.size()));
    if (spec.startsWith(sim) && spec.size() > sim.size())
        return std::make_unique<SimRasApi>(spec.mid(sim.size()));
#ifdef Q_OS_WIN
    if (spec == QStringLiteral("win"))
        return createWindowsBackend(error);
#endif
    if (error) {
        *error = QStringLiteral("unknown dial-up backend \"%1\"; use ppp, ppp:ROOT or sim:FILE")
                     .arg(spec);
#ifdef Q_OS_WIN
        error->append(QStringLiteral(" or win"));
#endif
    }
    return nullptr;
}

} // namespace ras
