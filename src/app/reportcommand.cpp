#include "reportcommand.h"

#include "uprintlog.h"

namespace {
QString orAll(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("All") : text;
}
} // namespace

void prepareReport(TFprintlog& form, const ReportHeading& heading, const LogTotalsText& totals,
                   const QSqlDatabase& db, const ListedRows& rows)
{
    form.setCaption(QStringLiteral("Lbulan"), orAll(heading.month));
    form.setCaption(QStringLiteral("Ltahun"), orAll(heading.year));
    form.setCaption(QStringLiteral("Lentry"), orAll(heading.entry));
    form.QRSubDetail1 = [db, rows] { return queryListedRows(db, rows); };
    form.setCaption(QStringLiteral("Ltotaltime"), totals.time);
    form.setCaption(QStringLiteral("Ljumlahdata"), totals.count);
    form.setCaption(QStringLiteral("Ltotalcost"), totals.cost);
}

QString printerMessage()
{
    return QStringLiteral(
        "Your default printer is currently a disconnected networked perinter\n"
        "Please set your default printer to local printer and restart Dialtally ");
}
