#pragma once

#include <QDialog>

class QCheckBox;

// The tip of the day window: shown modeless at start-up or from the main menu.
class TFtip : public QDialog {
    Q_OBJECT
public:
    explicit TFtip(QWidget* parent = nullptr);

    QCheckBox* CheckBox1; // "Show Tip of the day on startup"
};
