#include "reportlayout.h"

ReportControl* ReportBand::control(const QString& controlName)
{
    for (ReportControl& c : controls)
        if (c.name == controlName)
            return &c;
    return nullptr;
}

ReportControl* ReportLayout::control(const QString& name)
{
    for (ReportBand* band : {&title, &header, &detail, &summary})
        if (ReportControl* c = band->control(name))
            return c;
    return nullptr;
}
