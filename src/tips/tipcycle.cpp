#include "tipcycle.h"

void TipCycle::pickRandom(QRandomGenerator& random)
{
    if (empty()) {
        m_index = 0;
        return;
    }
    for (int draw = 0; draw < 5; ++draw)
        m_index = int(random.bounded(m_list.last + 1));
}

void TipCycle::next()
{
    if (!empty())
        m_index = m_index < m_list.last ? m_index + 1 : 0;
}

void TipCycle::previous()
{
    if (!empty())
        m_index = m_index > 0 ? m_index - 1 : m_list.last;
}

QString TipCycle::text() const
{
    return m_list.texts.value(m_index);
}
