#include "reports/preview/PrintPreviewReportPreview.h"
#include "reports/ReportDocument.h"
#include "reports/preview/SaveAsPdfDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
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

    // "Сохранить в PDF" offers the whole title as the file name in a Russian,
    // roomy dialog, writes the file and tells its path upward.
    void SavesAsPdfAndTellsThePath()
    {
        TReportDocument document;
        document.Current().setPlainText(QStringLiteral("ГРАФИК ПЛАТЕЖЕЙ"));
        QTemporaryDir folder;
        QString offeredName;
        QStringList englishTexts;
        QSize size;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (!preview)
                return;
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                size = dialog->size();
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                offeredName = name ? name->text() : QString();
                static const QRegularExpression latin(QStringLiteral("[A-Za-z]{2,}"));
                for (const QWidget* widget : dialog->findChildren<QWidget*>()) {
                    if (!widget->isVisible())
                        continue;
                    QString text;
                    if (const auto* label = qobject_cast<const QLabel*>(widget))
                        text = label->text();
                    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
                        text = button->text();
                    if (text.remove(QStringLiteral("PDF")).contains(latin))
                        englishTexts << text;
                }
                const QString folderShot = qEnvironmentVariable("VARNEL_SCREENSHOT_DIR");
                if (!folderShot.isEmpty())
                    dialog->grab().save(QDir(folderShot).filePath(QStringLiteral("save-pdf.png")));
                dialog->setDirectory(folder.path());
                if (name)
                    name->setText(QStringLiteral("график.pdf"));
                static_cast<QDialog*>(dialog)->accept();
            });
            preview->findChild<QAction*>(QStringLiteral("SaveAsPdfAction"))->trigger();
            preview->reject();
        });
        QString saved;
        TPrintPreviewReportPreview preview;
        preview.SetSavedFileNotice([&saved](const QString& path) { saved = path; });
        preview.ShowReport(document, QStringLiteral("График платежей по договору К-2026/00200"));
        QCOMPARE(offeredName, QStringLiteral("График платежей по договору К-2026_00200.pdf"));
        QVERIFY2(englishTexts.isEmpty(), qPrintable(englishTexts.join(QStringLiteral(" | "))));
        QVERIFY2(size.width() >= 800 && size.height() >= 500, qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
        QCOMPARE(saved, folder.filePath(QStringLiteral("график.pdf")));
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(5), QByteArray("%PDF-"));
    }

    void FileNames_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("slash of a contract") << "График платежей по договору К-2026/00200" << "График платежей по договору К-2026_00200.pdf";
        QTest::newRow("characters a file system refuses") << "A\\b:c*d?e\"f<g>h|i" << "A_b_c_d_e_f_g_h_i.pdf";
        QTest::newRow("dots alone") << ".." << "Отчёт.pdf";
        QTest::newRow("empty") << "" << "Отчёт.pdf";
    }
    void FileNames()
    {
        QFETCH(QString, title);
        QFETCH(QString, fileName);
        QCOMPARE(PdfFileName(title), fileName);
    }
};

QTEST_MAIN(TestPrintPreview)
#include "TestPrintPreview.moc"
