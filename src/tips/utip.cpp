#include "utip.h"

#include <QCheckBox>

TFtip::TFtip(QWidget* parent)
    : QDialog(parent, Qt::Tool)
    , CheckBox1(new QCheckBox(QStringLiteral("Show Tip of the day on startup"), this))
{
    setObjectName(QStringLiteral("Ftip"));
    setWindowTitle(QStringLiteral("Tip of the day"));
    setFixedSize(385, 259);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(8, 232, 185, 17);
}
