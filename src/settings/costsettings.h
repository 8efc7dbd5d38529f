#pragma once
// The cost per hour of each phone-book entry, kept in table harga.

#include <QSqlDatabase>
#include <QString>

#include <optional>

// A cost as the dialog's note asks for it: a plain number with "." as decimal separator,
// whatever the locale; surrounding spaces allowed, an empty text reads as 0. The number as
// stored text, or nothing when the text is not such a number.
std::optional<QString> test_number(const QString& text);

// The message for a cost that is not a plain number.
QString invalidNumberMessage();

// The entry's cost as text, "0" when it has none.
QString showcost(const QSqlDatabase& db, const QString& entry);

// Updates the entry's price row, or inserts it when there is none.
bool writecost(const QSqlDatabase& db, const QString& entry, const QString& cost);
