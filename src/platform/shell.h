#pragma once
// Leaving the program for the user's other programs: the web browser, the mail program and the
// help viewer.

#include <QString>

// The path of the browser in a browser command: what stands between its first and second
// double quote. Empty when the command has fewer than two.
QString browserFromCommand(const QString& command);

// The command of the desktop's default program for HTML files, as "/absolute/path" %1; empty
// when there is none. Linux: the XDG MIME database (mimeapps.list, then the program's desktop
// entry). Windows: the open command of the htmlfile class.
QString htmlBrowserCommand();

// Starts the default HTML program, by the rule of browserFromCommand, with the address as its
// only argument. Nothing is reported when there is none or it does not start.
void openWithBrowser(const QString& url);

// Hands an address (mailto:, a local file) to the desktop's handler for it.
void openWithDesktop(const QString& url);
