#pragma once
// The once-a-second poll: asks the probe which connection is up, counts the seconds it has
// been "Connected" and has its row written while it lasts.

#include "dialup.h"
#include "sharedstate.h"

#include <QObject>

class ConnectionRecords;

class ConnectionTracker : public QObject {
    Q_OBJECT
public:
    // Binds the probe's two events to this tracker's handlers.
    ConnectionTracker(SharedState& state, TDialUp& dialUp, ConnectionRecords& records,
                      QObject* parent = nullptr);

    void isilventry(TDialUp* Sender, const TDialUp::EntryNameArray& EntryName);
    void DialUpActiveConnection(TDialUp* Sender, std::int32_t Handle, ras::RASCONNSTATUSA Status,
                                const QString& StatusString,
                                const TDialUp::EntryNameArray& EntryName,
                                const TDialUp::DeviceTypeArray& DeviceType,
                                const TDialUp::DeviceNameArray& DeviceName);

    // One tick of the poll.
    void poll();
    // The program ends: the row being recorded gets its last rewrite.
    void finish();
    // The session may end: bring the row up to date, keep recording.
    void checkpoint();

    static QString noOnlineEntryText() { return QStringLiteral("No online entry"); }
    static QString connectedText() { return QStringLiteral("Connected"); }

signals:
    // What the main window shows as the online entry.
    void onlineEntryShown(const QString& text);
    // The first connected poll of a connection: reload the promotions.
    void promotionReloadRequested();

private:
    SharedState& m_state;
    TDialUp& m_dialUp;
    ConnectionRecords& m_records;
};
