#include "promotion.h"

QString promotionText()
{
    return QStringLiteral("Plese try Linkgauge for more feature such as\n"
                          "-Support Dial up,DSL,Ethernet,ISDN,and other network device\n"
                          "-Record cost based on bandwidth usage\n"
                          "-Create Excel report\n"
                          "-Sort report base on date\n"
                          "-Bandwidth meter") +
           QString(62, QLatin1Char(' ')) + QStringLiteral("click here to download");
}

void loadPromotions(Promotions& promotions, const QString& path)
{
    loadTextBlockFile(promotions.list, path, nullptr);
}

std::optional<QString> nextPromotion(Promotions& promotions)
{
    const TextBlockList& list = promotions.list;
    if (list.texts.isEmpty())
        return std::nullopt;
    if (promotions.PromoIndex < list.last)
        ++promotions.PromoIndex;
    else
        promotions.PromoIndex = 0;
    return list.texts.value(promotions.PromoIndex);
}
