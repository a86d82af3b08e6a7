#include "support/WindowTestSupport.h"

#include "ui/ModalDialogs.h"
#include "ui/OpenFileDialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
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

    void cancelGivesNoName()
    {
        const QString chosen = Choose(QString(), [](QFileDialog&) { return int(QDialog::Rejected); });
        QCOMPARE(chosen, QString());
    }
};

VARNEL_TEST_MAIN(TestOpenFileDialog)
#include "TestOpenFileDialog.moc"
