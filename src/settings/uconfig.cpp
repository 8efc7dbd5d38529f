#include "uconfig.h"

TFconfig::TFconfig(QWidget* parent)
    : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Fconfig"));
    setWindowTitle(QStringLiteral("config"));
    setFixedSize(401, 218);
}
