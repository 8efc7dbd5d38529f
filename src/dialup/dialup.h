#pragma once
// The dial-up probe: lists the phone-book's entries and reports every active connection with a
// text for its state, through two callbacks. It only observes, and keeps nothing between calls
// but the names of the last listing.

#include "rasapi.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class TDialUp {
public:
    enum TLanguage { English = 0, Czech = 1 };

    using EntryNameArray = char[ras::RAS_MaxEntryName + 1];
    using DeviceTypeArray = char[ras::RAS_MaxDeviceType + 1];
    using DeviceNameArray = char[ras::RAS_MaxDeviceName + 1];

    using TOnEntryGet = std::function<void(TDialUp* Sender, const EntryNameArray& EntryName)>;
    using TOnActiveConn =
        std::function<void(TDialUp* Sender, std::int32_t Handle, ras::RASCONNSTATUSA Status,
                           const QString& StatusString, const EntryNameArray& EntryName,
                           const DeviceTypeArray& DeviceType, const DeviceNameArray& DeviceName)>;

    explicit TDialUp(std::unique_ptr<ras::RasApi> api);
    ~TDialUp();
    TDialUp(const TDialUp&) = delete;
    TDialUp& operator=(const TDialUp&) = delete;

    // 0 on success (also with no entry), else the service's error; refills Entries.
    std::int32_t GetEntries();
    // 0 on success (also with nothing connected), else the service's error.
    std::int32_t GetActiveConnections();
    // The text of a connection state, or of an error code when Error is not 0.
    QString StatusText(std::int32_t State, std::int32_t Error);

    const QStringList& Entries() const { return m_entries; }

    TLanguage Language = English;
    TOnEntryGet OnEntryGet;
    TOnActiveConn OnActiveConnection;

private:
    std::unique_ptr<ras::RasApi> m_api;
    QStringList m_entries;
};

// The state texts of one language; an empty text for a state the table does not list.
QString rasStateText(TDialUp::TLanguage language, std::int32_t state);
