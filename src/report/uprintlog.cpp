#include "uprintlog.h"

TFprintlog::TFprintlog(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Fprintlog"));
}
