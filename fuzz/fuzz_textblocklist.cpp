// Feeds arbitrary bytes to the text block loader, then steps through what it built the way the
// tip window and the promotion panel do. Any crash, sanitizer report or broken rule is a finding.
#include "promotion.h"
#include "textblocklist.h"
#include "tipcycle.h"

#include <QRandomGenerator>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));

    TextBlockList list;
    list.texts = QStringList{QStringLiteral("before\n")};
    list.lines = textBlockLines(content);
    buildTextBlocks(list, list.lines);

    qsizetype separators = 0;
    for (const QString& line : std::as_const(list.lines)) {
        require(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
        require(!line.contains(QChar(0)));
        if (line == QStringLiteral("#"))
            ++separators;
    }
    if (separators == 0) {
        require(list.texts == QStringList{QStringLiteral("before\n")} && list.last == 0);
    } else {
        require(list.texts.size() == separators && list.last == separators - 1);
    }
    for (const QString& text : std::as_const(list.texts))
        require(text.isEmpty() || text.endsWith(QLatin1Char('\n')));

    TipCycle cycle(list);
    QRandomGenerator random(size);
    cycle.pickRandom(random);
    for (std::size_t step = 0; step < 2 * std::size_t(list.texts.size()) + 2; ++step) {
        (data[step % (size ? size : 1)] & 1) ? cycle.next() : cycle.previous();
        require(cycle.index() >= 0 && cycle.index() <= list.last);
        (void)cycle.text();
    }

    Promotions promotions;
    promotions.PromoIndex = int(size % 7);
    promotions.list = list;
    for (int tick = 0; tick < 3; ++tick)
        if (nextPromotion(promotions))
            require(promotions.PromoIndex >= 0 && promotions.PromoIndex <= list.last);
    return 0;
}
