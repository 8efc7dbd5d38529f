#pragma once
// The log grid: which fields it shows, under which titles and widths.

class QSqlQueryModel;
class QTableView;

struct LogGridColumn {
    const char* field;
    const char* title;
    int width;
};

inline constexpr LogGridColumn logGridColumns[] = {
    {"tanggal", "Date", 91},
    {"waktu", "Time", 84},
    {"Entry", "Dial up entry", 227},
    {"Duration", "Duration", 100},
};

// Sets up a read-only, row-selecting grid with centred titles.
void setupLogGrid(QTableView* view);
// Titles and widths; the view forgets them whenever its model is reset.
void applyLogGridColumns(QSqlQueryModel* model, QTableView* view);
