#include "loggrid.h"

#include <QHeaderView>
#include <QSqlQueryModel>
#include <QTableView>

void setupLogGrid(QTableView* view)
{
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setShowGrid(true);
    view->verticalHeader()->setDefaultSectionSize(18);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->horizontalHeader()->setStretchLastSection(false);
}

void applyLogGridColumns(QSqlQueryModel* model, QTableView* view)
{
    int column = 0;
    for (const LogGridColumn& c : logGridColumns) {
        model->setHeaderData(column, Qt::Horizontal, QString::fromLatin1(c.title));
        view->setColumnWidth(column, c.width);
        ++column;
    }
}
