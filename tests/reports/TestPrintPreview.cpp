#include "reports/PrintPreviewReportPreview.h"
#include "reports/ReportDocument.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

// The program's preview: modal, on an A4 page, with "Сохранить в PDF" beside
// print. With VARNEL_SCREENSHOT_DIR set the open preview is saved as a picture.
class TestPrintPreview : public QObject
{
    Q_OBJECT

private slots:
    void OffersSavingBesidePrint()
    {
        TReportDocument document;
        document.Current().setPlainText(QStringLiteral("ГРАФИК ПЛАТЕЖЕЙ\nпо кредитному договору № К-001/09"));
        QString title;
        QString lastAction;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            title = dialog->windowTitle();
            if (QToolBar* toolBar = dialog->findChild<QToolBar*>(); toolBar && !toolBar->actions().isEmpty())
                lastAction = toolBar->actions().last()->text();
            const QString folder = qEnvironmentVariable("VARNEL_SCREENSHOT_DIR");
            if (!folder.isEmpty()) {
                dialog->resize(1000, 700);
                QTest::qWait(200);
                dialog->grab().save(QDir(folder).filePath(QStringLiteral("preview.png")));
            }
            dialog->reject();
        });
        TPrintPreviewReportPreview().ShowReport(document, QStringLiteral("График платежей"));
        QCOMPARE(title, QStringLiteral("График платежей"));
        QCOMPARE(lastAction, QStringLiteral("Сохранить в PDF"));
    }
};

QTEST_MAIN(TestPrintPreview)
#include "TestPrintPreview.moc"
