#include "utip.h"

TFtip::TFtip(QWidget* parent)
    : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Ftip"));
    setWindowTitle(QStringLiteral("Tip of the day"));
    setFixedSize(385, 259);
}
