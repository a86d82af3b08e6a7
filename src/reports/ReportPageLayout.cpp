#include "ReportPageLayout.h"

#include "ReportDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <algorithm>

namespace {

constexpr qreal FooterMillimetres = 8;
constexpr qreal MillimetresPerInch = 25.4;
// The resolution lengths of a document without a device are given in.
constexpr qreal LayoutDpi = 96;

}

QPageLayout ReportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 12, 12, 10),
                       QPageLayout::Millimeter);
}

QSizeF ReportBodySize(const QPageLayout& page)
{
    const QRectF body = page.paintRect(QPageLayout::Millimeter);
    return QSizeF(body.width(), body.height() - FooterMillimetres) * LayoutDpi / MillimetresPerInch;
}

void SetReportPageSize(QTextDocument& document)
{
    const QSizeF body = ReportBodySize(ReportPageLayout());
    // Setting a page lays the document out anew, even the same page.
    if (document.pageSize() != body)
        document.setPageSize(body);
}

bool PrintReportDocument(TReportDocument& document, QPagedPaintDevice& device)
{
    // The parts are laid out as on the screen and painted scaled to the
    // device, so the pages are the same on paper, in PDF and in the page count.
    const QSizeF body = ReportBodySize(device.pageLayout());
    document.LayOut(body);
    const int pages = document.PrintedPageCount();

    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    const qreal scaleX = device.logicalDpiX() / LayoutDpi;
    const qreal scaleY = device.logicalDpiY() / LayoutDpi;
    const qreal footer = FooterMillimetres * LayoutDpi / MillimetresPerInch;
    QFont footerFont(document.Part(0).defaultFont());
    footerFont.setPointSizeF(qMax(6.0, footerFont.pointSizeF() - 2));
    int number = 0;
    for (int part = 0; part < document.PartCount(); ++part) {
        const QTextDocument& text = document.Part(part);
        for (int page = 0; page < document.PrintedPages(part); ++page) {
            if (number > 0)
                device.newPage();
            ++number;
            painter.save();
            painter.scale(scaleX, scaleY);
            painter.translate(0, -page * body.height());
            QAbstractTextDocumentLayout::PaintContext context;
            // A part's last page ends with its last whole row.
            const qreal top = page * body.height();
            context.clip = QRectF(0, top, body.width(), std::min(body.height(), document.PrintedBottom(part) - top));
            context.palette.setColor(QPalette::Text, Qt::black);
            painter.setClipRect(context.clip);
            text.documentLayout()->draw(&painter, context);
            painter.restore();
            // The page number in the device's own units: a font takes its size from the device.
            painter.setFont(footerFont);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(0, body.height() * scaleY, body.width() * scaleX, footer * scaleY),
                             Qt::AlignHCenter | Qt::AlignBottom,
                             QStringLiteral("Страница %1 из %2").arg(number).arg(pages));
        }
    }
    return true;
}

bool WriteReportPdf(TReportDocument& document, const QString& path)
{
    QPdfWriter writer(path);
    writer.setPageLayout(ReportPageLayout());
    writer.setResolution(300);
    writer.setTitle(document.Title());
    writer.setCreator(QStringLiteral("Varnel"));
    return PrintReportDocument(document, writer);
}
