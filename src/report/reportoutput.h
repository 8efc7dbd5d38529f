#pragma once
// Where a report goes: a modeless preview window, or a PDF file.

#include <QString>

#include <functional>

class QPrintPreviewDialog;
class QWidget;
class TFprintlog;

// Opens a preview of the form's report that deletes itself when closed; the pages follow the
// form's captions and rows as they are when drawn. onFailure runs when a page cannot be drawn.
QPrintPreviewDialog* openReportPreview(TFprintlog& form, QWidget* parent,
                                       std::function<void()> onFailure);

// Writes the report to a PDF file, replacing it only once the whole report is written.
bool writeReportPdf(TFprintlog& form, const QString& path, QString* error);
