#include "tracker.h"

#include "connectionrecords.h"
#include "duration.h"

ConnectionTracker::ConnectionTracker(SharedState& state, TDialUp& dialUp,
                                     ConnectionRecords& records, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_dialUp(dialUp)
    , m_records(records)
{
    m_dialUp.Language = TDialUp::English;
    m_dialUp.OnEntryGet = [this](TDialUp* sender, const TDialUp::EntryNameArray& name) {
        isilventry(sender, name);
    };
    m_dialUp.OnActiveConnection =
        [this](TDialUp* sender, std::int32_t handle, ras::RASCONNSTATUSA status,
               const QString& text, const TDialUp::EntryNameArray& entry,
               const TDialUp::DeviceTypeArray& type, const TDialUp::DeviceNameArray& device) {
            DialUpActiveConnection(sender, handle, status, text, entry, type, device);
        };
}

void ConnectionTracker::isilventry(TDialUp*, const TDialUp::EntryNameArray& EntryName)
{
    m_state.EntryNames.append(ras::fieldText(EntryName));
}

void ConnectionTracker::DialUpActiveConnection(TDialUp*, std::int32_t, ras::RASCONNSTATUSA,
                                               const QString& StatusString,
                                               const TDialUp::EntryNameArray& EntryName,
                                               const TDialUp::DeviceTypeArray&,
                                               const TDialUp::DeviceNameArray&)
{
    m_state.OnlineStatus = StatusString;
    m_state.OnlineEntry = ras::fieldText(EntryName);
}

void ConnectionTracker::poll()
{
    SharedState& s = m_state;
    s.OnlineStatus.clear();
    s.OnlineEntry = QStringLiteral("--");
    m_dialUp.GetActiveConnections();

    const bool connected = s.OnlineStatus == connectedText();
    emit onlineEntryShown(connected ? s.OnlineEntry : noOnlineEntryText());

    if (!connected) {
        if (s.Recording == 1)
            m_records.writelog(ConnectionRecords::Rewrite);
        s.Recording = 0;
        s.OnlineSeconds = 0;
        s.DurationText = olahwaktu(0);
        s.LogUser.clear();
        s.PromoLoaded = 0;
        return;
    }

    s.DurationText = olahwaktu(s.OnlineSeconds);
    if (s.Recording == 0) {
        m_records.writelog(ConnectionRecords::Insert);
        s.Recording = 1;
    } else if (s.OnlineSeconds % 60 == 0) {
        m_records.writelog(ConnectionRecords::Rewrite);
    }
    ++s.OnlineSeconds;

    if (s.OnlineSeconds != 0 && s.PromoLoaded == 0) {
        s.PromoLoaded = 1;
        emit promotionReloadRequested();
    }
}

void ConnectionTracker::finish()
{
    if (m_state.Recording == 1)
        m_records.writelog(ConnectionRecords::Rewrite);
    m_state.Recording = 0;
}

void ConnectionTracker::checkpoint()
{
    if (m_state.Recording == 1)
        m_records.writelog(ConnectionRecords::Rewrite);
}
