#pragma once
// Which tip is on show: a random first pick, then next and previous with wrap-around. An empty
// list shows an empty text and stepping through it does nothing.

#include <QRandomGenerator>
#include <QString>

#include "textblocklist.h"

class TipCycle {
public:
    explicit TipCycle(const TextBlockList& list)
        : m_list(list)
    {}

    // Five draws from 0 to the last index; the fifth is shown.
    void pickRandom(QRandomGenerator& random);
    void next();
    void previous();

    int index() const { return m_index; }
    QString text() const;

private:
    bool empty() const { return m_list.texts.isEmpty(); }

    const TextBlockList& m_list;
    int m_index = 0;
};
