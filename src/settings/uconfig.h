#pragma once

#include <QDialog>

// The configuration dialog: settings and the cost per hour of each phone-book entry.
class TFconfig : public QDialog {
    Q_OBJECT
public:
    explicit TFconfig(QWidget* parent = nullptr);
};
