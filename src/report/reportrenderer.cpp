#include "reportrenderer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSqlRecord>
#include <QTextLayout>

namespace {

class BandPainter {
public:
    BandPainter(QPainter& painter, QPagedPaintDevice* device)
        : m_painter(painter)
        , m_device(device)
        , m_pxPerMm(device->logicalDpiY() / 25.4)
    {}

    double px(double mm) const { return mm * m_pxPerMm; }

    // Draws one band whose top lies at bandTop (mm from the top of the printable area).
    void draw(const ReportBand& band, double bandTop, const QSqlQuery* row)
    {
        const double width = px(bandWidthMm());
        m_painter.fillRect(QRectF(0, px(bandTop), width, px(band.height)), Qt::white);
        for (const ReportControl& c : band.controls)
            drawControl(c, bandTop, row);
        if (band.bottomRule) {
            const double thickness = m_device->logicalDpiY() / 72.0; // one point
            const double y = px(bandTop + band.height) - thickness / 2;
            m_painter.setPen(QPen(Qt::black, thickness, Qt::SolidLine, Qt::FlatCap));
            m_painter.drawLine(QPointF(0, y), QPointF(width, y));
        }
    }

    double bandWidthMm() const
    {
        const QPageLayout page = m_device->pageLayout();
        return page.paintRect(QPageLayout::Millimeter).width();
    }
    double pageHeightMm() const
    {
        return m_device->pageLayout().paintRect(QPageLayout::Millimeter).height();
    }

private:
    void drawControl(const ReportControl& c, double bandTop, const QSqlQuery* row)
    {
        if (c.kind == ReportControl::Shape) {
            // A double rule: the top and bottom edges of the box, one device dot wide.
            QPen pen(c.color, 0);
            m_painter.setPen(pen);
            const double left = px(c.left), right = px(c.left + c.width);
            const double top = px(bandTop + c.top), bottom = px(bandTop + c.top + c.height);
            m_painter.drawLine(QPointF(left, top), QPointF(right, top));
            m_painter.drawLine(QPointF(left, bottom), QPointF(right, bottom));
            return;
        }
        QString text = c.text;
        if (c.kind == ReportControl::DataText) {
            text.clear();
            if (row && row->isValid()) {
                const int field = row->record().indexOf(c.text);
                if (field >= 0)
                    text = row->value(field).toString();
            }
        }
        const QFontMetricsF metrics(c.font, m_device);
        const double width =
            c.width == ReportControl::fitsText ? metrics.horizontalAdvance(text) + 1 : px(c.width);
        const QRectF box(px(c.left), px(bandTop + c.top), width, px(c.height));
        m_painter.fillRect(box, Qt::white); // opaque behind the text
        drawWrapped(text, c.font, c.color, box);
    }

    // Word-wrapped inside the box; only the lines that fit whole in its height print.
    void drawWrapped(const QString& text, const QFont& font, const QColor& color, const QRectF& box)
    {
        QTextLayout layout(text, font, m_device);
        QTextOption option(Qt::AlignLeft);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        double y = 0;
        int fitting = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(box.width());
            line.setPosition(QPointF(0, y));
            y += line.height();
            if (y <= box.height() + 0.5)
                ++fitting;
        }
        layout.endLayout();
        m_painter.setPen(color);
        for (int i = 0; i < fitting; ++i)
            layout.lineAt(i).draw(&m_painter, box.topLeft());
    }

    QPainter& m_painter;
    QPagedPaintDevice* m_device;
    double m_pxPerMm;
};

} // namespace

bool renderReport(const ReportLayout& layout, const ReportRows& rows, QPagedPaintDevice* device)
{
    if (!device->setPageLayout(QPageLayout(layout.pageSize, QPageLayout::Portrait, layout.marginsMm,
                                           QPageLayout::Millimeter)))
        return false;
    QPainter painter;
    if (!painter.begin(device))
        return false;
    BandPainter bands(painter, device);
    const double pageHeight = bands.pageHeightMm();
    const double epsilon = 1e-6;

    double y = 0;
    bands.draw(layout.title, y, nullptr);
    y += layout.title.height;
    bands.draw(layout.header, y, nullptr);
    y += layout.header.height;

    auto nextPage = [&] {
        if (!device->newPage())
            return false;
        y = 0;
        return true;
    };

    QSqlQuery query = rows ? rows() : QSqlQuery();
    bool any = false;
    while (query.isActive() && query.next()) {
        any = true;
        if (y + layout.detail.height > pageHeight + epsilon && !nextPage())
            return false;
        bands.draw(layout.detail, y, &query);
        y += layout.detail.height;
    }
    if (!any) {
        bands.draw(layout.detail, y, nullptr);
        y += layout.detail.height;
    }
    if (y + layout.summary.height > pageHeight + epsilon && !nextPage())
        return false;
    bands.draw(layout.summary, y, nullptr);
    return painter.end();
}
