#pragma once

#include <QDialog>

// The tip of the day window: shown modeless at start-up or from the main menu.
class TFtip : public QDialog {
    Q_OBJECT
public:
    explicit TFtip(QWidget* parent = nullptr);
};
