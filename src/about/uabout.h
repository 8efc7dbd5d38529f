#pragma once

#include <QDialog>

// The about box: created hidden at start-up, shown modeless from the main menu.
class TFabout : public QDialog {
    Q_OBJECT
public:
    explicit TFabout(QWidget* parent = nullptr);
};
