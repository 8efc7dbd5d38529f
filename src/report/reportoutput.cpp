#include "reportoutput.h"

#include "reportrenderer.h"
#include "uprintlog.h"

#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

QPrintPreviewDialog* openReportPreview(TFprintlog& form, QWidget* parent,
                                       std::function<void()> onFailure)
{
    auto* preview = new QPrintPreviewDialog(parent, Qt::Window);
    preview->setObjectName(QStringLiteral("ReportPreview"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(QStringLiteral("Dial up networking usage report"));
    preview->setWindowModality(Qt::NonModal);
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                     [&form, onFailure = std::move(onFailure)](QPrinter* printer) {
                         if (!renderReport(form.QuickRep1, form.QRSubDetail1, printer) && onFailure)
                             onFailure();
                     });
    preview->show();
    return preview;
}

bool writeReportPdf(TFprintlog& form, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("cannot write \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("Dial up networking usage report"));
        writer.setCreator(QStringLiteral("Dialtally"));
        writer.setResolution(600);
        drawn = renderReport(form.QuickRep1, form.QRSubDetail1, &writer);
    }
    if (!drawn) {
        file.cancelWriting();
        if (error)
            *error = QStringLiteral("the report could not be drawn");
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
