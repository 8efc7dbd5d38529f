#pragma once
// The running program's shared state: the tracker writes it once a second, the connection
// records and the other windows read it. One instance, owned by the main window.

#include <QString>
#include <QStringList>

#include <cstdint>

struct SharedState {
    QString OnlineStatus;           // state text of the last connection reported by this poll
    QString OnlineEntry;            // its phone-book entry, "--" when none
    std::int32_t OnlineSeconds = 0; // connected polls counted for the current connection
    QString DurationText;           // OnlineSeconds as duration text at the last connected poll
    int Recording = 0;              // 1 while the current connection has its row in the log
    QString LogUser;                // the log's Usera value
    QString LogSpeed;               // the log's speed value
    int PromoLoaded = 0;            // 1 once the promotions were reloaded this connection
    QStringList EntryNames;         // phone-book entry names collected through the probe
};
