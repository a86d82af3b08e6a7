#include "ControllerBook.h"
#include "support/DataTestSupport.h"
#include "support/DialogScript.h"

#include "settings/SimpleSettingsManager.h"
#include "ui/RestoreBackupForm.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const QString RestoreCaption = QStringLiteral("Восстановление из резервной копии");

void ChooseRow(TRestoreBackupForm* form, int row)
{
    Find<QListWidget>(form, "BackupsList")->setCurrentRow(row);
    QTest::mouseClick(Find<QPushButton>(form, "OkButton"), Qt::LeftButton);
}

}

// The book's copy at the first opening of a day, and restoring the book from
// one of its copies.
class TestSystemControllerBackups : public QObject
{
    Q_OBJECT

    std::unique_ptr<TControllerBook> m_book;
    TRecordingView m_view;
    QStringList m_printed;

    TSystemController& Start() { return m_book->Start(m_view, m_printed); }
    QString BackupFolder() const
    {
        return m_book->Program().Settings.GetSettingsFolder() + QStringLiteral("Резервные копии");
    }
    QString CopyOfDay(const QString& day) const
    {
        return BackupFolder() + QStringLiteral("/book ") + day + QStringLiteral(".s3db");
    }

private slots:
    void init()
    {
        m_book = std::make_unique<TControllerBook>();
        m_book->AddDebtor(QStringLiteral("Алексеев"));
    }
    void cleanup() { m_book.reset(); }

    void TheFirstOpeningOfADayCopiesTheBook()
    {
        const QByteArray opened = DataTest::DumpContent(m_book->Path());
        Start();
        const QString copy = CopyOfDay(QStringLiteral("2009-06-20"));
        QCOMPARE(DataTest::DumpContent(copy), opened);

        // Opened again the same day: the copy of the day stays as it was.
        m_book->AddDebtor(QStringLiteral("Борисов"));
        Start();
        QCOMPARE(DataTest::DumpContent(copy), opened);
        QCOMPARE(QDir(BackupFolder()).entryList(QDir::Files).size(), 1);
    }

    void RestoreReplacesTheBookAndKeepsItsContentAside()
    {
        TSystemController& controller = Start();
        const QByteArray copied = DataTest::DumpContent(CopyOfDay(QStringLiteral("2009-06-20")));
        m_book->AddDebtor(QStringLiteral("Борисов"));
        controller.RefreshAll();
        const QByteArray worked = DataTest::DumpContent(m_book->Path());
        QCOMPARE(m_view.DataSet->RowCount(), 2);

        TDialogScript script;
        QStringList listed;
        script.Then<TRestoreBackupForm>([&](TRestoreBackupForm* form) {
            const auto* list = Find<QListWidget>(form, "BackupsList");
            for (int row = 0; row < list->count(); ++row)
                listed << list->item(row)->text();
            ChooseRow(form, 0);
        }).Answer(QMessageBox::Yes);
        controller.RestoreFromBackup();

        QCOMPARE(listed, QStringList({QStringLiteral("20.06.2009")}));
        QCOMPARE(script.Unused(), 0);
        QVERIFY2(script.Unexpected().isEmpty(), qPrintable(script.Events.join(u'\n')));
        const QString aside = m_book->Dir().filePath(QStringLiteral("book до восстановления 2009-06-20 10-00-00.s3db"));
        QCOMPARE(script.Boxes[0].Caption, RestoreCaption);
        QVERIFY2(script.Boxes[0].Text.contains(QStringLiteral("от 20.06.2009")), qPrintable(script.Boxes[0].Text));
        QVERIFY2(script.Boxes[0].Text.contains(aside), qPrintable(script.Boxes[0].Text));
        QCOMPARE(script.Boxes.size(), 2); // the question, then what was done
        QCOMPARE(DataTest::DumpContent(m_book->Path()), copied);
        QCOMPARE(DataTest::DumpContent(aside), worked);
        QCOMPARE(m_view.DataSet->RowCount(), 1);
    }

    void RestoreDeclinedChangesNothing()
    {
        TSystemController& controller = Start();
        m_book->AddDebtor(QStringLiteral("Борисов"));
        const QByteArray worked = DataTest::DumpContent(m_book->Path());
        TDialogScript script;
        script.Then<TRestoreBackupForm>([](TRestoreBackupForm* form) { ChooseRow(form, 0); })
            .Answer(QMessageBox::No);
        controller.RestoreFromBackup();
        QCOMPARE(script.Unused(), 0);
        QCOMPARE(DataTest::DumpContent(m_book->Path()), worked);
        QCOMPARE(m_book->Dir().entryList({QStringLiteral("*.s3db")}, QDir::Files),
                 QStringList({QStringLiteral("book.s3db")}));
    }

    void WithoutCopiesRestoreSaysWhereTheyWillBe()
    {
        TSystemController& controller = Start();
        QDir(BackupFolder()).removeRecursively();
        TDialogScript script;
        controller.RestoreFromBackup();
        QCOMPARE(script.Boxes.size(), 1);
        QVERIFY2(script.Boxes[0].Text.contains(QStringLiteral("пока нет")), qPrintable(script.Boxes[0].Text));
        QVERIFY(script.Unexpected().isEmpty());
    }

    void AFailedCopyIsTold()
    {
        // Where the folder should be lies a file.
        QDir().mkpath(m_book->Program().Settings.GetSettingsFolder());
        QFile blocker(BackupFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        TDialogScript script;
        Start();
        QTRY_COMPARE(script.Boxes.size(), 1);
        QCOMPARE(script.Boxes[0].Icon, QMessageBox::Warning);
        QVERIFY2(script.Boxes[0].Text.startsWith(QStringLiteral("Резервную копию базы данных сделать не удалось")),
                 qPrintable(script.Boxes[0].Text));
    }
};

VARNEL_TEST_MAIN(TestSystemControllerBackups)
#include "TestSystemControllerBackups.moc"
