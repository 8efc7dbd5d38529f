#include "loggrid.h"

#include <QHeaderView>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>

void setupLogGrid(QTableView* view) {
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setShowGrid(true);
    view->verticalHeader()->setDefaultSectionSize(18);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->horizontalHeader()->setStretchLastSection(false);
}

bool queryLogRows(QSqlQueryModel* model, const QSqlDatabase& db) {
    QStringList fields;
    for (const LogGridColumn& c : logGridColumns)
        fields << QLatin1String("a.") + QLatin1String(c.field);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT %1 FROM log a ORDER BY id DESC")
                    .arg(fields.join(QLatin1Char(','))))) {
        qWarning("dialtally: the log cannot be listed: %s", qUtf8Printable(q.lastError().text()));
        return false;
    }
    model->setQuery(std::move(q));
    return true;
}

void applyLogGridColumns(QSqlQueryModel* model, QTableView* view) {
    int column = 0;
    for (const LogGridColumn& c : logGridColumns) {
        model->setHeaderData(column, Qt::Horizontal, QString::fromLatin1(c.title));
        view->setColumnWidth(column, c.width);
        ++column;
    }
}
