#include "support/WindowTestSupport.h"

#include "ui/ModalDialogs.h"
#include "ui/OpenFileDialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QTemporaryDir>
#include <QStyle>
#include <QTreeView>
#include <QTest>

// The real open-file dialog, answered through the modal seam.
class TestOpenFileDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Choose(const QString& startName, const std::function<int(QFileDialog&)>& user)
    {
        const TSeamAnswer answer(SetModalHandler, [&](QDialog& dialog) {
            auto* fileDialog = qobject_cast<QFileDialog*>(&dialog);
            return fileDialog ? user(*fileDialog) : int(QDialog::Rejected);
        });
        return ChooseFileToOpen({QStringLiteral("Открыть"), startName,
                                 {QStringLiteral("Базы данных SQLite (*.*db*) (*.s3db)"), QStringLiteral("Все файлы (*)")}});
    }

private slots:
    void initTestCase()
    {
        for (const char* name : {"a.s3db", "b.txt"}) {
            QFile file(m_dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    void showsFilterNamesAndStartsAtTheGivenFile()
    {
        const QString start = m_dir.filePath(QStringLiteral("a.s3db"));
        QStringList shownFilters;
        QString patterns;
        QString directory;
        const QString chosen = Choose(start, [&](QFileDialog& dialog) {
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            dialog.show();
            auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            for (int i = 0; types && i < types->count(); ++i)
                shownFilters << types->itemText(i);
            // The files offered: the pattern after the shown name.
            auto* model = dialog.findChild<QFileSystemModel*>();
            patterns = model ? model->nameFilters().join(QLatin1Char(' ')) : QString();
            directory = dialog.directory().absolutePath();
            QMetaObject::invokeMethod(&dialog, "accept");
            return dialog.result();
        });
        QCOMPARE(shownFilters, (QStringList{QStringLiteral("Базы данных SQLite (*.*db*)"), QStringLiteral("Все файлы")}));
        QCOMPARE(patterns, QStringLiteral("*.s3db"));
        QCOMPARE(directory, QDir(m_dir.path()).absolutePath());
        QCOMPARE(chosen, start);
    }

    // Qt's dialog in Russian, its file list in the program's formats, every
    // column of the details wide enough for what it shows.
    void speaksRussianAndShowsTheDetailsWhole()
    {
        const QString start = m_dir.filePath(QStringLiteral("a.s3db"));
        const QString modified = QLocale().toString(QFileInfo(start).lastModified(), QLocale::ShortFormat);
        QString fileNameCaption;
        QStringList captions;
        QString shownDate;
        QStringList cutColumns;
        Choose(start, [&](QFileDialog& dialog) -> int {
            dialog.show();
            fileNameCaption = dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text().remove(QLatin1Char('&'));
            auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
            const QAbstractItemModel* model = files->model();
            // A cell cuts its text when the text and the cell's inner margins do not fit.
            const int margins = 2 * (files->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, files) + 1);
            const auto cut = [&] {
                QStringList names;
                for (int column = 0; column < 4; ++column) {
                    const QString text = model->index(0, column, files->rootIndex()).data().toString();
                    if (column > 0 && files->columnWidth(column) < files->fontMetrics().horizontalAdvance(text) + margins)
                        names << model->headerData(column, Qt::Horizontal).toString();
                }
                return names;
            };
            // The list fills in the background; what is still missing then, the checks below tell.
            const auto settled = [&] { return model->rowCount(files->rootIndex()) > 0 && cut().isEmpty(); };
            static_cast<void>(QTest::qWaitFor(settled));
            for (int column = 0; column < 4; ++column)
                captions << model->headerData(column, Qt::Horizontal).toString();
            shownDate = model->index(0, 3, files->rootIndex()).data().toString();
            cutColumns = cut();
            return int(QDialog::Rejected);
        });
        QCOMPARE(fileNameCaption, QStringLiteral("Имя файла:"));
        QCOMPARE(captions, (QStringList{"Имя", "Размер", "Тип", "Дата изменения"}));
        QCOMPARE(shownDate, modified);
        QCOMPARE(cutColumns.join(","), QString());
    }

    void cancelGivesNoName()
    {
        const QString chosen = Choose(QString(), [](QFileDialog&) { return int(QDialog::Rejected); });
        QCOMPARE(chosen, QString());
    }
};

VARNEL_TEST_MAIN(TestOpenFileDialog)
#include "TestOpenFileDialog.moc"
