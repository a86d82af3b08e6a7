#include "support/WindowTestSupport.h"

#include "ui/ModalDialogs.h"
#include "ui/OpenFileDialog.h"
#include "ui/SQLiteConnectionBuildDialog.h"
#include "ui/controls/ConstraintedEdit.h"
#include "ui/controls/FieldFault.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
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
    QLineEdit* Field(const QString& name) { return Find<QLineEdit>(m_dialog.get(), qPrintable(name)); }
    // The server's fields as typed, in the order of the form.
    void FillServer(const QStringList& texts)
    {
        Find<QRadioButton>(m_dialog.get(), "ServerRadioButton")->click();
        const QStringList names{"HostEdit", "PortEdit", "DatabaseEdit", "UserEdit"};
        for (int i = 0; i < names.size(); ++i) {
            Field(names[i])->clear();
            TypeText(Field(names[i]), texts.value(i));
        }
    }
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

    // What the clerk types becomes one libpq address, whatever the names hold.
    void serverFieldsGiveItsAddress_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("address");
        QTest::newRow("server in the office") << QStringList{"db.office.local", "5432", "book", "clerk"}
                                              << "postgresql://clerk@db.office.local:5432/book";
        QTest::newRow("blanks around, other port") << QStringList{" 10.0.0.7 ", "6543", " book", "clerk "}
                                                   << "postgresql://clerk@10.0.0.7:6543/book";
        QTest::newRow("socket folder") << QStringList{"/run/postgresql", "5432", "book", "clerk"}
                                       << "postgresql:///book?host=/run/postgresql&port=5432&user=clerk";
        QTest::newRow("cyrillic names") << QStringList{"srv", "5432", "Займы", "кассир"}
                                        << "postgresql://%D0%BA%D0%B0%D1%81%D1%81%D0%B8%D1%80@srv:5432/"
                                           "%D0%97%D0%B0%D0%B9%D0%BC%D1%8B";
    }
    void serverFieldsGiveItsAddress()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, address);
        FillServer(typed);
        QTest::keyClick(Field("UserEdit"), Qt::Key_Return);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY(m_dialog->IsServerChosen());
        QCOMPARE(m_dialog->GetConnectionString(), address);
        QVERIFY(!m_dialog->GetConnectionString().contains(QLatin1String("password")));
    }

    // OK with a field missing marks it, names it below and puts the cursor there.
    void missingServerFieldIsMarked_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("reason");
        QTest::newRow("server") << QStringList{"", "5432", "book", "clerk"} << "HostEdit"
                                << "Укажите адрес сервера.";
        QTest::newRow("port") << QStringList{"srv", "", "book", "clerk"} << "PortEdit"
                              << "Укажите порт сервера: число от 1 до 65535.";
        QTest::newRow("port too large") << QStringList{"srv", "70000", "book", "clerk"} << "PortEdit"
                                        << "Укажите порт сервера: число от 1 до 65535.";
        QTest::newRow("database, only blanks") << QStringList{"srv", "5432", "  ", "clerk"} << "DatabaseEdit"
                                               << "Укажите имя базы данных.";
        QTest::newRow("user") << QStringList{"srv", "5432", "book", ""} << "UserEdit" << "Укажите пользователя.";
    }
    void missingServerFieldIsMarked()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, field);
        QFETCH(QString, reason);
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        FillServer(typed);
        // Nothing is said before the clerk tried OK.
        QCOMPARE(InfoLabel()->text(), QString());
        QVERIFY(!IsFieldAtFault(Field(field)));

        QTest::mouseClick(Find<QPushButton>(m_dialog.get(), "OkButton"), Qt::LeftButton);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(InfoLabel()->text(), QStringLiteral("Данные сервера введены неверно. ") + reason);
        for (const QString name : {"HostEdit", "PortEdit", "DatabaseEdit", "UserEdit"})
            QCOMPARE(IsFieldAtFault(Field(name)), name == field);
        QCOMPARE(FieldFaultReason(Field(field)), reason);
        QCOMPARE(QApplication::focusWidget(), Field(field));

        // Mended, the mark goes at once and OK closes.
        Field(field)->setText(field == QLatin1String("PortEdit") ? QStringLiteral("5432") : QStringLiteral("x"));
        QVERIFY(!IsFieldAtFault(Field(field)));
        QCOMPARE(InfoLabel()->text(), QString());
        QTest::mouseClick(Find<QPushButton>(m_dialog.get(), "OkButton"), Qt::LeftButton);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    }

    void portTakesDigitsOnly()
    {
        FillServer({"srv", "54a3-2", "book", "clerk"});
        QCOMPARE(Field("PortEdit")->text(), QStringLiteral("5432"));
    }

    // Opened on the book in use, the dialog shows it; OK gives it back as it was.
    void opensOnTheBookInUse_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<bool>("server");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("server book with options")
            << "postgresql://clerk@srv:6000/book?sslmode=require" << true
            << QStringList{"srv", "6000", "book", "clerk"};
        QTest::newRow("socket folder") << "postgresql:///book?host=/run/postgresql&port=5432&user=clerk" << true
                                       << QStringList{"/run/postgresql", "5432", "book", "clerk"};
        QTest::newRow("options the dialog has no field for")
            << "postgresql://clerk@srv:5432/book?connect_timeout=10&sslmode=verify-full" << true
            << QStringList{"srv", "5432", "book", "clerk"};
        QTest::newRow("file") << "BOOK" << false << QStringList{"", "5432", "", ""};
    }
    void opensOnTheBookInUse()
    {
        QFETCH(QString, book);
        QFETCH(bool, server);
        QFETCH(QStringList, fields);
        book.replace(QStringLiteral("BOOK"), m_book);
        m_dialog->SetConnectionString(book);
        QCOMPARE(m_dialog->IsServerChosen(), server);
        QCOMPARE(Find<QWidget>(m_dialog.get(), "ServerPage")->isVisible(), server);
        QCOMPARE(Find<QWidget>(m_dialog.get(), "FilePage")->isVisible(), !server);
        QCOMPARE((QStringList{Field("HostEdit")->text(), Field("PortEdit")->text(), Field("DatabaseEdit")->text(),
                              Field("UserEdit")->text()}),
                 fields);
        // The address's TLS mode is the one chosen in the list.
        const qsizetype mode = book.indexOf(QStringLiteral("sslmode="));
        QCOMPARE(Find<QComboBox>(m_dialog.get(), "SslModeComboBox")->currentData().toString(),
                 mode < 0 ? QString() : book.mid(mode + 8));
        QTest::mouseClick(Find<QPushButton>(m_dialog.get(), "OkButton"), Qt::LeftButton);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_dialog->GetConnectionString(), book);
    }

    // The file stays the default, and back on it the file's message is the one shown.
    void fileIsTheDefaultKind()
    {
        QVERIFY(Find<QRadioButton>(m_dialog.get(), "FileRadioButton")->isChecked());
        QVERIFY(!Find<QWidget>(m_dialog.get(), "ServerPage")->isVisible());
        FillServer({"", "5432", "", ""});
        QTest::mouseClick(Find<QPushButton>(m_dialog.get(), "OkButton"), Qt::LeftButton);
        Find<QRadioButton>(m_dialog.get(), "FileRadioButton")->click();
        QCOMPARE(InfoLabel()->text(), QStringLiteral("Файл БД не задан."));
        Browse(m_book);
        QTest::mouseClick(Find<QPushButton>(m_dialog.get(), "OkButton"), Qt::LeftButton);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_dialog->GetConnectionString(), m_book);
    }

    // Keyboard only: an arrow picks the server, Tab walks its fields, Enter connects.
    void keyboardOnly()
    {
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        Find<QRadioButton>(m_dialog.get(), "FileRadioButton")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QVERIFY(m_dialog->IsServerChosen());
        QStringList visited;
        for (const QString text : {"srv", "", "book", "clerk"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
            TypeText(QApplication::focusWidget(), text);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // encrypted, always
        QCOMPARE(visited, (QStringList{"HostEdit", "PortEdit", "DatabaseEdit", "UserEdit", "SslModeComboBox"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_dialog->GetConnectionString(), QStringLiteral("postgresql://clerk@srv:5432/book?sslmode=require"));
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
