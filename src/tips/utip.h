#pragma once
// The tip of the day: a small tool window showing one tip of config/tip.cfg, with next and
// previous, and the box that decides whether it opens at start-up.

#include "textblocklist.h"
#include "tipcycle.h"

#include <QDialog>

#include <functional>

class Prompter;
class QCheckBox;
class QLabel;

class TFtip : public QDialog {
    Q_OBJECT
public:
    // Loads the tips; a file that cannot be read is reported through prompter.
    explicit TFtip(Prompter* prompter = nullptr, QWidget* parent = nullptr,
                   const QString& tipFile = QStringLiteral("config/tip.cfg"));

    // What "Close" runs before closing: storing the settings; false with the reason in error.
    std::function<bool(QString* error)> saveSettings;

    // Opens modeless and in front; a new random tip when it was hidden.
    void popUp();

    void SpeedButton1Click(); // next
    void SpeedButton2Click(); // previous
    void SpeedButton3Click(); // close

    const TextBlockList& tips() const { return m_tips; }
    int TipIndex() const { return m_cycle.index(); }

    QLabel* Label2;
    QCheckBox* CheckBox1; // "Show Tip of the day on startup"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadtip(const QString& path);
    void showTip();

    Prompter* m_prompter;
    TextBlockList m_tips;
    TipCycle m_cycle{m_tips};
    bool m_placed = false;
};
