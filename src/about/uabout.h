#pragma once
// The about box: created hidden at start-up, shown modeless from the main menu; closing hides it.

#include <QDialog>

#include <functional>

class TFabout : public QDialog {
    Q_OBJECT
public:
    explicit TFabout(QWidget* parent = nullptr);

    // How the site label opens its address (the main window's OpenURL).
    std::function<void(const QString& url)> openUrl;

    // Shows the box, or brings it to the front when it is shown already.
    void about2Click();
    void Label5Click();
    void Label20Click();
};
