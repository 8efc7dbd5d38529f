#include "inifile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace ini {
namespace {

struct Lines {
    QStringList lines;
    QString newline = QStringLiteral("\r\n");
};

Lines readLines(const QString& path)
{
    Lines result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QString text = QString::fromUtf8(file.readAll());
    if (!text.contains(QLatin1Char('\r')) && text.contains(QLatin1Char('\n')))
        result.newline = QStringLiteral("\n");
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.lines = normalised.split(QLatin1Char('\n'));
    if (!result.lines.isEmpty() && result.lines.constLast().isEmpty())
        result.lines.removeLast();
    return result;
}

// The section's name when the line is a section header.
bool sectionHeader(const QString& line, QString* name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')) || !t.endsWith(QLatin1Char(']')))
        return false;
    *name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

bool isComment(const QString& line)
{
    const QString t = line.trimmed();
    return t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'));
}

// The key's name when the line is a key line.
bool keyLine(const QString& line, QString* key, QString* value)
{
    if (isComment(line))
        return false;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    *key = line.left(eq).trimmed();
    if (value)
        *value = line.mid(eq + 1).trimmed();
    return !key->isEmpty();
}

} // namespace

QString readValue(const QString& path, const QString& section, const QString& key,
                  const QString& fallback)
{
    const Lines file = readLines(path);
    bool inSection = false;
    for (const QString& line : file.lines) {
        QString name, k, v;
        if (sectionHeader(line, &name))
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
        else if (inSection && keyLine(line, &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    }
    return fallback;
}

bool writeValue(const QString& path, const QString& section, const QString& key,
                const QString& value)
{
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        return false;
    Lines file = readLines(path);
    const QString entry = key + QLatin1Char('=') + value;

    qsizetype sectionAt = -1, insertAt = -1;
    bool written = false;
    for (qsizetype i = 0; i < file.lines.size() && !written; ++i) {
        QString name, k;
        if (sectionHeader(file.lines[i], &name)) {
            if (sectionAt >= 0)
                break; // the section ended without the key
            if (name.compare(section, Qt::CaseInsensitive) == 0) {
                sectionAt = i;
                insertAt = i + 1;
            }
        } else if (sectionAt >= 0 && keyLine(file.lines[i], &k, nullptr)) {
            if (k.compare(key, Qt::CaseInsensitive) == 0) {
                file.lines[i] = entry;
                written = true;
            } else {
                insertAt = i + 1;
            }
        }
    }
    if (!written) {
        if (sectionAt >= 0) {
            file.lines.insert(insertAt, entry);
        } else {
            file.lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        }
    }

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write((file.lines.join(file.newline) + file.newline).toUtf8());
    return out.commit();
}

} // namespace ini
