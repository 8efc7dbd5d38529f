#pragma once
// The promotion panel: its fixed text, and the promotion texts of config/iklan.cfg that the
// rotation shows one after another.

#include "textblocklist.h"

#include <QString>

#include <optional>

// Six lines joined by single line feeds.
QString promotionText();

struct Promotions {
    TextBlockList list;
    int PromoIndex = 0; // the entry shown last; kept across reloads
};

// Reloads the list; a missing file, or one without a "#" line, keeps the old entries.
void loadPromotions(Promotions& promotions, const QString& path);

// The text the next rotation tick shows, advancing the index; nothing when none is loaded.
std::optional<QString> nextPromotion(Promotions& promotions);
