#include "dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

QString applicationTitle()
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QStringLiteral("dialtally") : QFileInfo(path).completeBaseName();
}

namespace {

void showWithOk(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                const QString& text)
{
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace

bool MessageBoxPrompter::confirm(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::NoButton,
                    parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == yes;
}

void MessageBoxPrompter::message(QWidget* parent, const QString& text)
{
    showWithOk(parent, QMessageBox::NoIcon, applicationTitle(), text);
}

void MessageBoxPrompter::error(QWidget* parent, const QString& text)
{
    showWithOk(parent, QMessageBox::Critical, applicationTitle(), text);
}

void MessageBoxPrompter::notice(QWidget* parent, const QString& text)
{
    showWithOk(parent, QMessageBox::Question, QStringLiteral("Confirm"), text);
}
