#pragma once
// A banded report's layout: page, bands and the controls on them, measured in millimetres
// from the top-left corner of their band.

#include <QColor>
#include <QFont>
#include <QList>
#include <QMarginsF>
#include <QPageSize>
#include <QString>

struct ReportControl {
    enum Kind { Label, DataText, Shape };
    static constexpr double fitsText = -1;

    QString name;
    Kind kind = Label;
    QString text; // a label's caption, or the column a data text prints
    double left = 0, top = 0, width = fitsText, height = 0;
    QFont font;
    QColor color = Qt::black;
};

struct ReportBand {
    QString name;
    double height = 0;
    bool bottomRule = false; // a solid black line, 1 point thick, along the bottom edge
    QList<ReportControl> controls;

    ReportControl* control(const QString& controlName);
};

struct ReportLayout {
    QPageSize pageSize = QPageSize(QPageSize::A4);
    QMarginsF marginsMm = QMarginsF(12.7, 12.7, 12.7, 12.7);
    QFont defaultFont;
    ReportBand title;   // page 1 only
    ReportBand header;  // once, before the first detail line
    ReportBand detail;  // once per row; once with empty texts when there is none
    ReportBand summary; // once, after the last detail line

    ReportControl* control(const QString& name);
};
