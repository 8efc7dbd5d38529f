#pragma once
// Draws a banded report onto paged devices: the preview's printer and PDF files alike.

#include "reportlayout.h"

#include <QSqlQuery>

#include <functional>

class QPagedPaintDevice;

// Opens the detail rows afresh for each rendering; columns are found by name, any case.
using ReportRows = std::function<QSqlQuery()>;

// Sets the device's page layout and draws every page. False when the device cannot be
// painted on or a page cannot be started.
bool renderReport(const ReportLayout& layout, const ReportRows& rows, QPagedPaintDevice* device);
