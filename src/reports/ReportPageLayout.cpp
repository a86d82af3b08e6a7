#include "ReportPageLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <memory>

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

void SetReportPageSize(QTextDocument& document)
{
    const QRectF body = ReportPageLayout().paintRect(QPageLayout::Millimeter);
    const qreal footer = FooterMillimetres;
    document.setPageSize(QSizeF(body.width(), body.height() - footer) * LayoutDpi / MillimetresPerInch);
}

bool PrintReportDocument(const QTextDocument& source, QPagedPaintDevice& device)
{
    std::unique_ptr<QTextDocument> document(source.clone());
    document->documentLayout()->setPaintDevice(&device);
    const int resolution = device.logicalDpiY();
    const QRectF paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const qreal footer = FooterMillimetres * resolution / MillimetresPerInch;
    const QSizeF body(paint.width(), paint.height() - footer);
    document->setPageSize(body);
    const int pages = document->pageCount();

    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    QFont footerFont(document->defaultFont());
    footerFont.setPointSizeF(qMax(6.0, footerFont.pointSizeF() - 2));
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        painter.save();
        painter.translate(0, -page * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(QPointF(0, page * body.height()), body);
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(context.clip);
        document->documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, body.height(), body.width(), footer), Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Страница %1 из %2").arg(page + 1).arg(pages));
    }
    return true;
}

bool WriteReportPdf(const QTextDocument& document, const QString& path)
{
    QPdfWriter writer(path);
    writer.setPageLayout(ReportPageLayout());
    writer.setResolution(300);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("Varnel"));
    return PrintReportDocument(document, writer);
}
