#pragma once
// The configuration dialog: the cost per hour of each phone-book entry and the start-up choices.

#include <QDialog>
#include <QSqlDatabase>
#include <QStringList>

class Autostart;
class Prompter;
class QCheckBox;
class QComboBox;
class QLineEdit;

// What the dialog uses of the main window.
class ConfigHost {
public:
    virtual ~ConfigHost() = default;
    // The phone-book's entry names, read afresh through the probe.
    virtual QStringList refreshEntryNames() = 0;
    virtual QSqlDatabase database() const = 0;
    virtual void sortlog() = 0;
    virtual void showlog() = 0;
};

class TFconfig : public QDialog {
    Q_OBJECT
public:
    TFconfig(ConfigHost& host, Prompter& prompter, Autostart& autostart, QWidget* parent = nullptr);

    // The tip window's "Show Tip of the day on startup", stored with the dialog's own boxes.
    void setTipCheckBox(QCheckBox* box) { m_tipCheckBox = box; }

    void refreshentry();
    void showcost();
    // Validates and stores the typed cost; false when the text was refused.
    bool writecost();
    // Stores the three boxes; false with the reason in error when the settings file cannot be
    // written or the autostart value cannot be set.
    bool savecfg(QString* error);
    // Sets the three boxes from storage; false with the reason in error.
    bool loadcfg(QString* error);

    // "save ": the cost, then the boxes stored and read back.
    void SpeedButton2Click();

    QComboBox* ComboBox1;
    QLineEdit* Edit1;
    QCheckBox* CheckBox1; // "Start with windows"
    QCheckBox* CheckBox2; // "minimized on startup"

protected:
    void showEvent(QShowEvent* event) override;

private:
    ConfigHost& m_host;
    Prompter& m_prompter;
    Autostart& m_autostart;
    QCheckBox* m_tipCheckBox = nullptr;
};
