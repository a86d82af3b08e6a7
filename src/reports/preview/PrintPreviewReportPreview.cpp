#include "PrintPreviewReportPreview.h"

#include "SaveAsPdfDialog.h"
#include "reports/ReportDocument.h"
#include "reports/ReportPageLayout.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

namespace {

// True when the file was written; a failure is told at once.
bool SaveAsPdf(TReportDocument& document, QWidget* parent, const QString& path)
{
    if (WriteReportPdf(document, path))
        return true;
    QMessageBox::warning(parent, QStringLiteral("Varnel"),
                         QStringLiteral("Не удалось записать файл %1.").arg(QDir::toNativeSeparators(path)));
    return false;
}

}

void TPrintPreviewReportPreview::SetSavedFileNotice(std::function<void(const QString&)> notice)
{
    m_savedFileNotice = std::move(notice);
}

void TPrintPreviewReportPreview::ShowReport(TReportDocument& document, const QString& title)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReportPageLayout());
    printer.setDocName(title);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(title.isEmpty() ? QStringLiteral("Предварительный просмотр") : title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&document](QPrinter* target) { PrintReportDocument(document, *target); });
    if (QToolBar* toolBar = dialog.findChild<QToolBar*>()) {
        QAction* save = toolBar->addAction(QStringLiteral("Сохранить в PDF"));
        save->setObjectName(QStringLiteral("SaveAsPdfAction"));
        QObject::connect(save, &QAction::triggered, &dialog, [this, &document, &title, &dialog] {
            const QString path = AskPdfPath(&dialog, title);
            if (!path.isEmpty() && SaveAsPdf(document, &dialog, path) && m_savedFileNotice)
                m_savedFileNotice(path);
        });
    }
    // A page must be readable at once: the whole screen, also where nothing
    // carries out the maximised state.
    if (const QScreen* screen = dialog.screen())
        dialog.setGeometry(screen->availableGeometry());
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}
