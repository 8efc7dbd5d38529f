#include "shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

QString browserFromCommand(const QString& command)
{
    const qsizetype first = command.indexOf(QLatin1Char('"'));
    const QString rest = first < 0 ? command : command.mid(first + 1);
    const qsizetype second = rest.indexOf(QLatin1Char('"'));
    return second < 0 ? QString() : rest.left(second);
}

void openWithBrowser(const QString& url)
{
    const QString command = htmlBrowserCommand();
    if (command.isEmpty())
        return;
    const QString program = browserFromCommand(command);
    if (!program.isEmpty())
        QProcess::startDetached(program, {url});
}

void openWithDesktop(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url));
}
