#include "uconfig.h"

#include "autostart.h"
#include "configstore.h"
#include "costsettings.h"
#include "dialogs.h"
#include "formstyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

QLabel* addLabel(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

TFconfig::TFconfig(ConfigHost& host, Prompter& prompter, Autostart& autostart, QWidget* parent)
    : QDialog(parent, Qt::Tool)
    , m_host(host)
    , m_prompter(prompter)
    , m_autostart(autostart)
{
    setObjectName(QStringLiteral("Fconfig"));
    setWindowTitle(QStringLiteral("config"));
    setFixedSize(401, 218);
    const QFont font = formFont();
    setFont(font);
    fillBackground(this, Qt::white);

    auto* group = new QGroupBox(QStringLiteral(" Cost setting "), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(8, 8, 385, 128);
    addLabel(group, QStringLiteral("entry name :"), 12, 26);
    ComboBox1 = new QComboBox(group);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(96, 22, 177, 21);
    QToolButton* SpeedButton1 =
        addButton(group, QStringLiteral("SpeedButton1"), QStringLiteral("refresh entry"),
                  {280, 21, 93, 23}, false);
    addLabel(group, QStringLiteral("cost per hour :"), 12, 58);
    Edit1 = new QLineEdit(group);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(96, 54, 121, 21);
    auto* note =
        new QLabel(QStringLiteral("Please use plain number with \".\" as decimal sparator    "
                                  "Ex : 12345.98"),
                   group);
    note->setObjectName(QStringLiteral("Label3"));
    note->setWordWrap(true);
    note->setGeometry(96, 80, 277, 40);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    CheckBox1 = new QCheckBox(QStringLiteral("Start with windows"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(16, 144, 113, 17);
    CheckBox1->adjustSize();
    CheckBox2 = new QCheckBox(QStringLiteral("minimized on startup"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(16, 168, 121, 17);
    CheckBox2->adjustSize();

    QToolButton* SpeedButton2 = addButton(this, QStringLiteral("SpeedButton2"),
                                          QStringLiteral("save "), {224, 184, 81, 25}, false);
    QToolButton* SpeedButton3 = addButton(this, QStringLiteral("SpeedButton3"),
                                          QStringLiteral("close"), {312, 184, 81, 25}, false);

    connect(SpeedButton1, &QToolButton::clicked, this, &TFconfig::refreshentry);
    connect(SpeedButton2, &QToolButton::clicked, this, &TFconfig::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &QDialog::close);
    connect(ComboBox1, &QComboBox::activated, this, &TFconfig::showcost);
    // Closed any way: the main window's totals follow the prices at once.
    connect(this, &QDialog::finished, this, [this] {
        m_host.sortlog();
        m_host.showlog();
    });
}

void TFconfig::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget())
        move(owner->geometry().center() - rect().center());
    refreshentry();
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
    showcost();
}

void TFconfig::refreshentry()
{
    ComboBox1->clear();
    ComboBox1->addItems(m_host.refreshEntryNames());
}

void TFconfig::showcost()
{
    Edit1->setText(::showcost(m_host.database(), ComboBox1->currentText()));
}

bool TFconfig::writecost()
{
    const std::optional<QString> cost = test_number(Edit1->text());
    if (!cost) {
        m_prompter.notice(this, invalidNumberMessage());
        return false;
    }
    Edit1->setText(*cost);
    ::writecost(m_host.database(), ComboBox1->currentText(), *cost);
    m_host.sortlog();
    m_prompter.message(this, QStringLiteral("Configuration has been saved"));
    return true;
}

bool TFconfig::savecfg(QString* error)
{
    return saveStartupChoices(QString::fromLatin1(settingsPath), m_autostart,
                              CheckBox1->isChecked(), CheckBox2->isChecked(),
                              m_tipCheckBox && m_tipCheckBox->isChecked(), QDir::currentPath(),
                              error);
}

bool TFconfig::loadcfg(QString* error)
{
    const std::optional<StartupChoices> choices =
        loadStartupChoices(QString::fromLatin1(settingsPath), m_autostart, error);
    if (!choices)
        return false;
    if (choices->startWithSystem)
        CheckBox1->setChecked(*choices->startWithSystem);
    CheckBox2->setChecked(choices->minimizedOnStartup);
    if (m_tipCheckBox)
        m_tipCheckBox->setChecked(choices->tipOnStartup);
    return true;
}

void TFconfig::SpeedButton2Click()
{
    writecost();
    QString error;
    if (!savecfg(&error) || !loadcfg(&error))
        m_prompter.error(this, error);
}
