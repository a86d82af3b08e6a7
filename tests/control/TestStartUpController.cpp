#include "support/LoanBookFiles.h"
#include "support/ScriptedUser.h"
#include "support/StartupSandbox.h"
#include "support/WindowTestSupport.h"

#include "control/BookLock.h"
#include "settings/HistoryManager.h"
#include "control/IHistoryMenuView.h"
#include "control/StartUpController.h"
#include "support/TestProgram.h"
#include "data/DataAccessFacade.h"
#include "sqlite/SQLiteConnection.h"

#include <QSysInfo>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString ReconnectCaption = QStringLiteral("Проблемы при подключении к базе данных.");
const QString FailureText =
    QStringLiteral("При подключении к базе данных возникла ошибка.\r\nНастроить подключение снова?");
const QString NoVersionText =
    QStringLiteral("Не найдена информация о типе и версии базы данных.\r\n\r\nНастроить подключение снова?");

QString FoundVersionText(const QString& found)
{
    return QStringLiteral("Найдена база данных:\r\n  %1.\r\nА для корректной работы системы необходима база данных:"
                          "\r\n  Тип: «2» Версия: «0.0.0.3».\r\n\r\nНастроить подключение снова?")
        .arg(found);
}

const QString AlteredText = QStringLiteral("В таблице «Debtors» базы данных нет столбца «Telephone».\r\nС такой базой "
                                           "данных система работать не может.\r\n\r\nНастроить подключение снова?");

void WriteLock(const QString& book, const QByteArray& note)
{
    QFile file(TBookLock::LockFileName(book));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(note);
}

class TRecordingHistoryView : public IHistoryMenuView
{
public:
    QStringList entries;
    void RefreshHistoryMenu(THistoryManager&, const QStringList& newEntries) override { entries = newEntries; }
};
}

// The start-up as the program runs it: its facade, settings store and
// recent-databases list, with the settings under a temporary APPDATA and a
// scripted user at the dialogs.
class TestStartUpController : public QObject
{
    Q_OBJECT

    std::unique_ptr<TStartupSandbox> m_sandbox;
    std::unique_ptr<TTestProgram> m_program;

    QDir Dir() const { return m_sandbox->Dir(); }
    void StoreConnectionString(const QString& value) { m_sandbox->StoreConnectionString(value); }
    // What the settings file holds after the program has ended.
    QVariant StoredAtExit()
    {
        m_program.reset();
        return m_sandbox->StoredConnectionString();
    }
    bool ConnectAtStart() { return m_program->StartUp.ConnectToDatabase(cmStoredSettings, QString()); }
    QString AlteredBook() { return LoanBookFiles::WithoutColumn(Dir(), QStringLiteral("altered.s3db"), "Debtors", "Telephone"); }

private slots:
    void init()
    {
        m_sandbox = std::make_unique<TStartupSandbox>();
        m_program = std::make_unique<TTestProgram>();
    }
    void cleanup()
    {
        m_program.reset();
        m_sandbox.reset();
    }

    void firstStartAsksForTheFileAndStoresIt()
    {
        const QString book = LoanBookFiles::Good(Dir());
        TScriptedUser user;
        user.ChooseFile(book);

        QVERIFY(ConnectAtStart());
        QCOMPARE(user.Kinds(), QStringList{QStringLiteral("dialog")});
        QCOMPARE(user.Shown()[0].Caption, QStringLiteral("Подключение к БД"));
        QCOMPARE(user.Shown()[0].Text, QStringLiteral("Файл БД не задан."));
        QCOMPARE(m_program->StartUp.ConnectedFileName(), book);
        QCOMPARE(m_program->History.Entries(), QStringList{book});
        QCOMPARE(StoredAtExit().toString(), book);
    }

    void startThatFailsStillWritesTheSettings()
    {
        TScriptedUser user;
        user.Cancel().Answer(QMessageBox::No);

        QVERIFY(!ConnectAtStart());
        QCOMPARE(user.Kinds(), (QStringList{QStringLiteral("dialog"), QStringLiteral("question")}));
        QCOMPARE(user.Shown()[1].Caption, ReconnectCaption);
        QCOMPARE(user.Shown()[1].Text, FailureText);
        QCOMPARE(user.Shown()[1].Icon, QMessageBox::Warning);
        const QVariant stored = StoredAtExit();
        QVERIFY(stored.isValid());
        QCOMPARE(stored.toString(), QString());
    }

    void storedFileGone_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("connected");
        const QString q = QStringLiteral("question");
        const QString d = QStringLiteral("dialog");
        QTest::newRow("no ends the start") << QStringList{"no"} << QStringList{q} << false;
        QTest::newRow("yes, then cancel repeats the question")
            << QStringList{"yes", "cancel", "no"} << QStringList{q, d, q} << false;
        QTest::newRow("yes, then another book") << QStringList{"yes", "GOOD"} << QStringList{q, d} << true;
    }
    void storedFileGone()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, shown);
        QFETCH(bool, connected);
        const QString gone = LoanBookFiles::Good(Dir(), QStringLiteral("gone.s3db"));
        QVERIFY(QFile::remove(gone));
        StoreConnectionString(gone);
        const QString book = LoanBookFiles::Good(Dir());
        steps.replaceInStrings(QStringLiteral("GOOD"), book);
        TScriptedUser user;
        user.Play(steps);

        QCOMPARE(ConnectAtStart(), connected);
        QCOMPARE(user.Kinds(), shown);
        QCOMPARE(user.Shown()[0].Text, FailureText);
        QCOMPARE(user.Unused(), 0);
        QCOMPARE(StoredAtExit().toString(), connected ? book : gone);
    }

    void versionMismatch_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("older version") << "2,0,0,0,2" << FoundVersionText(QStringLiteral("Тип: «2» Версия: «0.0.0.2»"));
        QTest::newRow("other type") << "1,0,0,0,9" << FoundVersionText(QStringLiteral("Тип: «1» Версия: «0.0.0.9»"));
        QTest::newRow("no type given") << "-1,1,0,0,0" << FoundVersionText(QStringLiteral("Тип: «-» Версия: «1.0.0.0»"));
        QTest::newRow("no version table") << "none" << NoVersionText;
        QTest::newRow("not a database") << "text" << NoVersionText;
    }
    void versionMismatch()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        const QString name = QStringLiteral("wrong.s3db");
        const QString file = kind == QLatin1String("none")   ? LoanBookFiles::WithoutVersion(Dir(), name)
                           : kind == QLatin1String("text") ? LoanBookFiles::TextFile(Dir(), name)
                                                           : LoanBookFiles::WithVersion(Dir(), name, kind);
        StoreConnectionString(file);
        TScriptedUser user;
        user.Answer(QMessageBox::No);

        QVERIFY(!ConnectAtStart());
        QCOMPARE(user.Kinds(), QStringList{QStringLiteral("question")});
        QCOMPARE(user.Shown()[0].Caption, ReconnectCaption);
        QCOMPARE(user.Shown()[0].Text, text);
        // It opened, so it is listed, whatever its version.
        QCOMPARE(m_program->History.Entries(), QStringList{file});
    }

    // A pipe in place of the settings file would hang the start (and the end,
    // which writes the settings): it is left alone, and the user is told.
    void settingsFileThatIsAPipe()
    {
        const QString settings = Dir().filePath(QStringLiteral("AppData/Tolvik/Varnel/1.0/Settings.ini"));
        QVERIFY(QDir().mkpath(QFileInfo(settings).absolutePath()));
        QCOMPARE(mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
        const QString book = LoanBookFiles::Good(Dir());
        TScriptedUser user;
        user.ChooseFile(book);

        QVERIFY(ConnectAtStart());
        QCOMPARE(user.Kinds(), (QStringList{QStringLiteral("error"), QStringLiteral("dialog")}));
        QCOMPARE(user.Shown()[0].Text,
                 QStringLiteral("Настройки Varnel не прочитаны: «%1» — не обычный файл (устройство, канал или "
                                "сокет), его нельзя открыть.\r\nДо исправления программа не помнит последнюю книгу "
                                "займов и не сохраняет настройки.")
                     .arg(settings));
        m_program.reset();
        QVERIFY(!QFileInfo(settings).isFile());
    }

    void unreadableVersionIsShownAsAnError()
    {
        StoreConnectionString(LoanBookFiles::WithVersion(Dir(), QStringLiteral("huge.s3db"), "2,99999,99999,99999,99999"));
        TScriptedUser user;

        QVERIFY(!ConnectAtStart());
        QCOMPARE(user.Kinds(), QStringList{QStringLiteral("error")});
        QCOMPARE(user.Shown()[0].Caption, QStringLiteral("Ошибка"));
        QCOMPARE(user.Shown()[0].Icon, QMessageBox::Critical);
        QCOMPARE(user.Shown()[0].Text,
                 QStringLiteral("Возникла ошибка: \r\n««99999999999999999999» не является допустимым целым числом.» "
                                "(EConvertError)"));
    }

    void storedPathIsUsedTrimmed()
    {
        const QString book = LoanBookFiles::Good(Dir());
        StoreConnectionString(QStringLiteral("  ") + book + QStringLiteral(" \t"));
        TScriptedUser user;

        QVERIFY(ConnectAtStart());
        QCOMPARE(user.Kinds(), QStringList());
        QCOMPARE(m_program->StartUp.ConnectedFileName(), book);
        QCOMPARE(StoredAtExit().toString(), book);
    }

    void switchKeepsThePreviousBookWhenRefused_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("missing file, nothing asked") << "missing" << QStringList() << QStringList();
        QTest::newRow("older version, no") << "older" << QStringList{"no"} << QStringList{"question"};
        QTest::newRow("no name, dialog cancelled") << "" << QStringList{"cancel"} << QStringList{"dialog"};
        QTest::newRow("altered tables, no") << "altered" << QStringList{"no"} << QStringList{"question"};
    }
    void switchKeepsThePreviousBookWhenRefused()
    {
        QFETCH(QString, target);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, shown);
        const QString book = LoanBookFiles::Good(Dir());
        StoreConnectionString(book);
        QVERIFY(ConnectAtStart());
        const QString fileName = target == QLatin1String("older")
            ? LoanBookFiles::WithVersion(Dir(), QStringLiteral("older.s3db"), "2,0,0,0,2")
            : target == QLatin1String("altered") ? AlteredBook()
            : target.isEmpty()                   ? QString()
                                                 : Dir().filePath(QStringLiteral("missing.s3db"));
        TScriptedUser user;
        user.Play(steps);

        QVERIFY(!m_program->StartUp.ConnectToDatabase(cmGivenFile, fileName));
        QCOMPARE(user.Kinds(), shown);
        QCOMPARE(m_program->StartUp.ConnectedFileName(), book);
        QVERIFY(m_program->Facade().Connection().IsOpen());
        QCOMPARE(StoredAtExit().toString(), book);
    }

    // Its version is right, but a column the program writes is gone.
    void alteredBookIsRefusedAtStart()
    {
        StoreConnectionString(AlteredBook());
        TScriptedUser user;
        user.Answer(QMessageBox::No);

        QVERIFY(!ConnectAtStart());
        QCOMPARE(user.Kinds(), QStringList{QStringLiteral("question")});
        QCOMPARE(user.Shown()[0].Text, AlteredText);
    }

    void bookOpenInAnotherProgram_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("connected");
        QTest::newRow("running here, opened all the same") << "running" << QStringList{"open"} << true << true;
        QTest::newRow("running here, cancelled") << "running" << QStringList{"cancel"} << true << false;
        QTest::newRow("on another computer") << "remote" << QStringList{"open"} << true << true;
        QTest::newRow("gone after a crash") << "gone" << QStringList() << false << true;
        QTest::newRow("this program") << "self" << QStringList() << false << true;
        QTest::newRow("unreadable note") << "garbage" << QStringList() << false << true;
    }
    void bookOpenInAnotherProgram()
    {
        QFETCH(QString, holder);
        QFETCH(QStringList, steps);
        QFETCH(bool, asked);
        QFETCH(bool, connected);
        const QString book = LoanBookFiles::Good(Dir());
        StoreConnectionString(book);
        const QString host = holder == QLatin1String("remote") ? QStringLiteral("бухгалтерия") : QSysInfo::machineHostName();
        // The test's parent process runs as long as the test; a number above
        // any process number belongs to no process.
        const qint64 pid = holder == QLatin1String("gone") ? qint64(1) << 40
                         : holder == QLatin1String("self") ? QCoreApplication::applicationPid()
                                                           : qint64(getppid());
        WriteLock(book, holder == QLatin1String("garbage")
                            ? QByteArray("\x01\x02 not a lock")
                            : QStringLiteral("host=%1\nuser=ivanova\npid=%2\nsince=2009-06-19 09:15:00\n")
                                  .arg(host)
                                  .arg(pid)
                                  .toUtf8());
        QList<QMessageBox::StandardButton> answers;
        for (const QString& step : steps)
            answers << (step == QLatin1String("open") ? QMessageBox::Open : QMessageBox::Cancel);
        QList<TMessageBoxRequest> boxes;
        const TSeamAnswer<TMessageBoxHandler> user(SetMessageBoxHandler, [&](const TMessageBoxRequest& request) {
            boxes << request;
            return answers.isEmpty() ? QMessageBox::NoButton : answers.takeFirst();
        });

        QCOMPARE(ConnectAtStart(), connected);
        QCOMPARE(boxes.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(boxes[0].Caption, QStringLiteral("Книга займов уже открыта"));
            QCOMPARE(boxes[0].Buttons, QMessageBox::Open | QMessageBox::Cancel);
            QCOMPARE(boxes[0].Text,
                     QStringLiteral("Книга займов «%1» уже открыта в другой программе:\r\nкомпьютер «%2», "
                                    "пользователь «ivanova», с 19.06.2009 09:15.\r\n\r\nДве программы на одной "
                                    "книге видят изменения друг друга лишь через несколько секунд. Открыть её здесь "
                                    "всё равно?")
                         .arg(book, host));
        }
        // Opened, the book is noted as this program's until the program ends;
        // a refused one keeps the other program's note.
        const std::optional<TBookLockOwner> owner = TBookLock::ReadOwner(book);
        QVERIFY(owner);
        QCOMPARE(owner->IsCurrent(), connected);
        m_program.reset();
        QCOMPARE(QFile::exists(TBookLock::LockFileName(book)), !connected);
    }

    void switchToAnotherBookIsStored()
    {
        StoreConnectionString(LoanBookFiles::Good(Dir()));
        QVERIFY(ConnectAtStart());
        const QString other = LoanBookFiles::Good(Dir(), QStringLiteral("other.s3db"));
        TScriptedUser user;

        QVERIFY(m_program->StartUp.ConnectToDatabase(cmGivenFile, other));
        QCOMPARE(user.Kinds(), QStringList());
        QCOMPARE(m_program->StartUp.ConnectedFileName(), other);
        QCOMPARE(StoredAtExit().toString(), other);
    }

    void connectedFilesReachTheHistoryView()
    {
        const QString book = LoanBookFiles::Good(Dir());
        StoreConnectionString(book);
        TRecordingHistoryView view;
        m_program->StartUp.SetHistoryMenuView(&view);

        QVERIFY(ConnectAtStart());
        QCOMPARE(view.entries, QStringList{book});
    }
};

VARNEL_TEST_MAIN(TestStartUpController)
#include "TestStartUpController.moc"
