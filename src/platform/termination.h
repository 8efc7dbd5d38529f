#pragma once
// Turns the system's requests to end the program (SIGTERM, SIGINT, SIGHUP on Unix) into a Qt
// signal delivered on the GUI thread, so that the program can finish its work and exit cleanly.

#include <QObject>

#include <memory>

class TerminationWatcher : public QObject {
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

signals:
    void terminationRequested();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
