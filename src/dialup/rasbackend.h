#pragma once
// Picks the remote access backend once, at start-up:
//   ppp        the real system's pppd (default on Linux)
//   ppp:ROOT   the same, every absolute path read below ROOT
//   sim:FILE   the simulated service of simras.h
//   win        the platform's rasapi32.dll (default on Windows, only there)

#include "rasapi.h"

#include <QString>

#include <memory>

namespace ras {

// The option's value when given, else the environment's DIALTALLY_RAS, else the default.
QString chooseBackendSpec(const QString& option, const QString& environment);
QString defaultBackendSpec();

// Null with a message in error when spec names no backend.
std::unique_ptr<RasApi> createBackend(const QString& spec, QString* error);

#ifdef Q_OS_WIN
std::unique_ptr<RasApi> createWindowsBackend(QString* error);
#endif

} // namespace ras
