#pragma once
// The program's message boxes, with their fixed captions and buttons. Windows take a Prompter so
// that tests can answer in place of a user.

#include <QString>

class QWidget;

// The program file's name without its extension: the caption of plain messages.
QString applicationTitle();

class Prompter {
public:
    virtual ~Prompter() = default;
    // Caption "Confirm", question icon, buttons "&Yes" and "Cancel"; true only for Yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // The application's title as caption, one "OK" button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // As message, with the error icon: the application's report of a failure.
    virtual void error(QWidget* parent, const QString& text) = 0;
    // Caption "Confirm", question icon, one "OK" button.
    virtual void notice(QWidget* parent, const QString& text) = 0;
};

class MessageBoxPrompter final : public Prompter {
public:
    bool confirm(QWidget* parent, const QString& text) override;
    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    void notice(QWidget* parent, const QString& text) override;
};
