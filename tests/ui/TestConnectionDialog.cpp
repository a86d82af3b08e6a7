#include "support/WindowTestSupport.h"

#include "ui/ModalDialogs.h"
#include "ui/OpenFileDialog.h"
#include "ui/SQLiteConnectionBuildDialog.h"
#include "ui/controls/ConstraintedEdit.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QDir>
#include <QToolButton>

namespace {
// Answers the open-file dialog with a fixed name and keeps what it was asked.
class TOpenFileAnswer
{
public:
    explicit TOpenFileAnswer(QString answer)
        : m_answer(SetOpenFileHandler, [this, answer](const TOpenFileRequest& request) {
            requests << request;
            return answer;
        })
    {
    }
    QList<TOpenFileRequest> requests;

private:
    TSeamAnswer<TOpenFileHandler> m_answer;
};
}

class TestConnectionDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_book;
    std::unique_ptr<TSQLiteConnectionBuildDialog> m_dialog;

    TConstraintedEdit* FileNameEdit() { return Find<TConstraintedEdit>(m_dialog.get(), "FileNameEdit"); }
    QLabel* InfoLabel() { return Find<QLabel>(m_dialog.get(), "InfoLabel"); }
    void Browse(const QString& answer)
    {
        TOpenFileAnswer chosen(answer);
        QTest::mouseClick(Find<QToolButton>(m_dialog.get(), "OpenFileButton"), Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        m_book = m_dir.filePath(QStringLiteral("Книга.s3db"));
        QFile file(m_book);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    void init()
    {
        m_dialog = std::make_unique<TSQLiteConnectionBuildDialog>();
        m_dialog->Shaker().SetDelayTime(0);
        m_dialog->show();
    }
    void cleanup() { m_dialog.reset(); }

    void freshDialogSaysNoFileInRed()
    {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Подключение к БД"));
        QCOMPARE(FileNameEdit()->text(), QString());
        QVERIFY(!FileNameEdit()->isReadOnly());
        QCOMPARE(FileNameEdit()->palette().color(QPalette::Base), QColor(255, 255, 240));
        QCOMPARE(InfoLabel()->text(), QStringLiteral("Файл БД не задан."));
        QCOMPARE(InfoLabel()->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(Find<QPushButton>(m_dialog.get(), "OkButton")->text(), QStringLiteral("OK"));
        QCOMPARE(Find<QPushButton>(m_dialog.get(), "CancelButton")->text(), QStringLiteral("Отмена"));
    }

    void browsingValidatesTheChosenName_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("message");
        QTest::newRow("existing file") << "BOOK" << QString();
        QTest::newRow("missing file") << "/nowhere/missing.s3db" << QStringLiteral("Файл не существует.");
    }
    void browsingValidatesTheChosenName()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, message);
        chosen.replace(QStringLiteral("BOOK"), m_book);

        Browse(chosen);
        QCOMPARE(m_dialog->GetFileName(), chosen);
        QCOMPARE(InfoLabel()->text(), message);
    }

    void browseStartsAtTheFieldAndOffersLoanBooksFirst()
    {
        Browse(m_book);
        TOpenFileAnswer cancelled{QString()};
        QTest::mouseClick(Find<QToolButton>(m_dialog.get(), "OpenFileButton"), Qt::LeftButton);

        QCOMPARE(cancelled.requests.size(), 1);
        QCOMPARE(cancelled.requests[0].FileName, m_book);
        QCOMPARE(cancelled.requests[0].Filters,
                 (QStringList{QStringLiteral("Базы данных SQLite (*.*db*) (*.s3db)"), QStringLiteral("Все файлы (*)")}));
        // A cancelled choice leaves the field alone.
        QCOMPARE(m_dialog->GetFileName(), m_book);
    }

    // A path typed or pasted counts as one chosen, also as a file manager copies it.
    void typedOrPastedPath_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("typed") << "BOOK";
        QTest::newRow("quoted") << "\"BOOK\"";
        QTest::newRow("address") << "URL";
    }
    void typedOrPastedPath()
    {
        QFETCH(QString, typed);
        typed.replace(QStringLiteral("BOOK"), m_book)
            .replace(QStringLiteral("URL"), QUrl::fromLocalFile(m_book).toString());
        FileNameEdit()->setFocus();
        FileNameEdit()->insert(typed);
        QCOMPARE(m_dialog->GetFileName(), m_book);
        QCOMPARE(InfoLabel()->text(), QString());
        QTest::mouseClick(Find<QPushButton>(m_dialog.get(), "OkButton"), Qt::LeftButton);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    }

    void browseStartsInTheFolderOfTheBookInUse()
    {
        m_dialog->SetStartFolder(m_dir.path());
        TOpenFileAnswer cancelled{QString()};
        QTest::mouseClick(Find<QToolButton>(m_dialog.get(), "OpenFileButton"), Qt::LeftButton);
        QCOMPARE(cancelled.requests.size(), 1);
        QCOMPARE(cancelled.requests[0].FileName, QDir(m_dir.path()).absolutePath() + QLatin1Char('/'));
    }

    void refusedOkShakesWithOkDisabled_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file") << QString() << QStringLiteral("Файл БД не задан.");
        QTest::newRow("missing file") << "/nowhere/missing.s3db" << QStringLiteral("Файл не существует.");
    }
    void refusedOkShakesWithOkDisabled()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, message);
        if (!fileName.isEmpty())
            Browse(fileName);
        QAction* okAction = Find<QAction>(m_dialog.get(), "OkAction");
        QPushButton* okButton = Find<QPushButton>(m_dialog.get(), "OkButton");
        QList<bool> enabledWhileMoving;
        connect(&m_dialog->Shaker(), &THeadShaker::Moved, this,
                [&] { enabledWhileMoving << (okAction->isEnabled() || okButton->isEnabled()); });
        QSignalSpy finished(&m_dialog->Shaker(), &THeadShaker::ShakeFinished);

        QTest::mouseClick(okButton, Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!enabledWhileMoving.isEmpty());
        QVERIFY(!enabledWhileMoving.contains(true));
        QVERIFY(okAction->isEnabled());
        QVERIFY(okButton->isEnabled());
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QCOMPARE(InfoLabel()->text(), message);
    }

    void okWithAnExistingFileCloses()
    {
        Browse(m_book);
        QSignalSpy finished(&m_dialog->Shaker(), &THeadShaker::ShakeFinished);
        QTest::keyClick(m_dialog.get(), Qt::Key_Return);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(finished.count(), 0);
    }

    void escapeCancels()
    {
        Browse(m_book);
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    }

    void executeTellsWhetherOkClosedIt_data()
    {
        QTest::addColumn<bool>("pressOk");
        QTest::newRow("OK") << true;
        QTest::newRow("Отмена") << false;
    }
    void executeTellsWhetherOkClosedIt()
    {
        QFETCH(bool, pressOk);
        m_dialog->hide();
        const TSeamAnswer user(SetModalHandler, [&](QDialog& dialog) {
            dialog.show();
            Browse(m_book);
            QTest::mouseClick(Find<QPushButton>(&dialog, pressOk ? "OkButton" : "CancelButton"), Qt::LeftButton);
            return dialog.result();
        });
        const bool executed = m_dialog->Execute();
        QCOMPARE(executed, pressOk);
        QCOMPARE(m_dialog->GetFileName(), m_book);
    }
};

VARNEL_TEST_MAIN(TestConnectionDialog)
#include "TestConnectionDialog.moc"
