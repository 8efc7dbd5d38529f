#include "uabout.h"

TFabout::TFabout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Fabout"));
    setWindowTitle(QStringLiteral("Fabout"));
    resize(363, 237);
}
