#include "PrintPreviewReportPreview.h"

#include "ReportDocument.h"
#include "ReportPageLayout.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

namespace {

void SaveAsPdf(TReportDocument& document, const QString& title, QWidget* parent)
{
    const QString suggested = QDir::home().filePath((title.isEmpty() ? QStringLiteral("Отчёт") : title) + QStringLiteral(".pdf"));
    const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить в PDF"), suggested,
                                                      QStringLiteral("Документ PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!WriteReportPdf(document, path))
        QMessageBox::warning(parent, QStringLiteral("Varnel"), QStringLiteral("Не удалось записать файл %1.").arg(path));
}

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
        QObject::connect(save, &QAction::triggered, &dialog, [&document, &title, &dialog] {
            SaveAsPdf(document, title, &dialog);
        });
    }
    // A page must be readable at once: the whole screen, also where nothing
    // carries out the maximised state.
    if (const QScreen* screen = dialog.screen())
        dialog.setGeometry(screen->availableGeometry());
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}
