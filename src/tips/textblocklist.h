#pragma once
// The text block list: a line file in which a line that is exactly "#" closes a block of text.
// Lines end at CR LF, LF or CR; a zero byte ends the text. Every other non-empty line joins the
// current block followed by one line feed, as it stands; empty lines are skipped; what follows
// the last "#" is dropped.

#include <QByteArray>
#include <QString>
#include <QStringList>

struct TextBlockList {
    QStringList lines; // the file's lines as loaded
    QStringList texts; // one entry per block, in file order
    int last = 0;      // index of the last entry; 0 before any "#" was found
};

// The file's lines, by the rule's line ends.
QStringList textBlockLines(const QByteArray& content);

// Applies the rule to lines. The entries and the last index are replaced only when the lines
// hold at least one "#"; otherwise they keep what they held.
void buildTextBlocks(TextBlockList& list, const QStringList& lines);

// Loads a file into list; false with "Cannot open file ..." in error when it cannot be read,
// and then list is left as it was.
bool loadTextBlockFile(TextBlockList& list, const QString& path, QString* error);
