#include "termination.h"

// On Windows the session's end reaches the program through the application's session manager
// (commitDataRequest); there is no signal to watch.
struct TerminationWatcher::Impl {};

TerminationWatcher::TerminationWatcher(QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Impl>())
{}

TerminationWatcher::~TerminationWatcher() = default;
