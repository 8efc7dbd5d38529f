#pragma once

#include <QWidget>

// Holds the usage report's layout; never shown.
class TFprintlog : public QWidget {
    Q_OBJECT
public:
    explicit TFprintlog(QWidget* parent = nullptr);
};
