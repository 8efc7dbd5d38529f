#include "textblocklist.h"

#include <QFile>
#include <QFileInfo>

QStringList textBlockLines(const QByteArray& content)
{
    const qsizetype nul = content.indexOf('\0');
    const QByteArray text = nul >= 0 ? content.left(nul) : content;
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines << QString::fromUtf8(text.constData() + start, i - start);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << QString::fromUtf8(text.constData() + start, text.size() - start);
    return lines;
}

void buildTextBlocks(TextBlockList& list, const QStringList& lines)
{
    QStringList texts;
    QString collected;
    bool closed = false;
    for (const QString& line : lines) {
        if (line == QStringLiteral("#")) {
            texts << collected;
            collected.clear();
            closed = true;
        } else if (!line.isEmpty()) {
            collected += line + QLatin1Char('\n');
        }
    }
    if (closed) {
        list.texts = texts;
        list.last = int(texts.size()) - 1;
    }
}

bool loadTextBlockFile(TextBlockList& list, const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot open file \"%1\". %2")
                         .arg(QFileInfo(path).absoluteFilePath(), file.errorString());
        return false;
    }
    list.lines = textBlockLines(file.readAll());
    buildTextBlocks(list, list.lines);
    return true;
}
