#pragma once
// Keeps one copy of the program per data folder. The first copy holds a lock file and listens
// on a local socket; a later copy finds the lock taken, asks the first one to show its main
// window, and exits without touching the log.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // key: from instanceKey(); the same for every copy that shares a data folder.
    explicit SingleInstance(QString key, QObject* parent = nullptr);

    // True when no other copy runs; this copy then answers later ones.
    bool tryAcquire();
    // Asks the running copy to show itself; false when it could not be reached.
    bool notifyRunning() const;

    static QString instanceKey(const QString& dataFolder);

signals:
    void activationRequested();

private:
    QString m_key;
    QLockFile m_lock;
    QLocalServer m_server;
};
