#pragma once
// The usage report's form: holds the report's layout, QuickRep1, whose controls keep their
// designer names. Never shown.

#include "reportlayout.h"
#include "reportrenderer.h"

#include <QWidget>

class TFprintlog : public QWidget {
    Q_OBJECT
public:
    explicit TFprintlog(QWidget* parent = nullptr);

    ReportLayout QuickRep1;
    // The detail band's rows.
    ReportRows QRSubDetail1;

    // Sets a label's caption; false when the layout has no such label.
    bool setCaption(const QString& name, const QString& caption);
};
