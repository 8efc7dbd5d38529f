#pragma once

#include <QComboBox>

// A selection list that says when the user enters it: on focus and when its list opens.
class EntryComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        emit entered();
        QComboBox::showPopup();
    }

signals:
    void entered();

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        emit entered();
        QComboBox::focusInEvent(event);
    }
};
