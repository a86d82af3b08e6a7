// The password of a server book's user: taken from ~/.pgpass by libpq, given
// by the user when the server wants one, refused in words, on a throwaway
// cluster that requires a password of one role.

#include "postgres/PgConnection.h"
#include "postgres/PgExceptions.h"
#include "support/ThrowawayCluster.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {
const QString Clerk = QStringLiteral("clerk");
const QString ClerkPassword = QStringLiteral("пароль кассира");

enum class TOutcome { Connected, PasswordNeeded, PasswordRefused, OtherFailure };

TOutcome Connect(const QString& address, const std::optional<QString>& password, QString* message = nullptr)
{
    try {
        TPgConnection connection(address, password);
        // The role connected as is the one the address names.
        return connection.Execute(QStringLiteral("SELECT current_user")).Text(0, 0) == Clerk ? TOutcome::Connected
                                                                                            : TOutcome::OtherFailure;
    } catch (const EServerPasswordNeededException& e) {
        if (message)
            *message = e.Message();
        return TOutcome::PasswordNeeded;
    } catch (const EServerPasswordRefusedException& e) {
        if (message)
            *message = e.Message();
        return TOutcome::PasswordRefused;
    } catch (const EServerException& e) {
        if (message)
            *message = e.Message();
        return TOutcome::OtherFailure;
    }
}
}

Q_DECLARE_METATYPE(TOutcome)

class TestServerPassword : public QObject
{
    Q_OBJECT

    TThrowawayCluster m_cluster;
    QTemporaryDir m_home;
    QString m_book;

    // A password file of libpq's form, readable by its owner only, or none.
    void UsePasswordFile(const QString& password)
    {
        if (password.isEmpty()) {
            qputenv("PGPASSFILE", m_home.filePath(QStringLiteral("none")).toLocal8Bit());
            return;
        }
        QFile file(m_home.filePath(QStringLiteral("pgpass")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QStringLiteral("*:*:*:%1:%2\n").arg(Clerk, password).toUtf8());
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        qputenv("PGPASSFILE", file.fileName().toLocal8Bit());
    }

private slots:
    void initTestCase()
    {
        const QString failure = m_cluster.Start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        m_book = m_cluster.NewDatabase();
        TPgConnection admin(m_book);
        admin.Execute(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2'").arg(Clerk, ClerkPassword));
        const QString refused = m_cluster.RequirePassword(Clerk);
        QVERIFY2(refused.isEmpty(), qPrintable(refused));
        m_book.replace(QStringLiteral("user=") + QLatin1String(TThrowawayCluster::SuperUser),
                       QStringLiteral("user=") + Clerk);
        UsePasswordFile(QString());
        // The server takes its new rules in the background.
        QTRY_VERIFY(Connect(m_book, std::nullopt) == TOutcome::PasswordNeeded);
    }

    void cleanupTestCase()
    {
        qunsetenv("PGPASSFILE");
        m_cluster.Stop();
    }

    void passwordFromTheUserOrThePasswordFile_data()
    {
        QTest::addColumn<QString>("passwordFile");
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<TOutcome>("outcome");
        QTest::addColumn<QString>("message");
        const std::optional<QString> none;
        QTest::newRow("none anywhere: asked for") << QString() << none << TOutcome::PasswordNeeded
                                                   << "Сервер PostgreSQL требует пароль пользователя «clerk».";
        QTest::newRow("typed") << QString() << std::optional(ClerkPassword) << TOutcome::Connected << QString();
        QTest::newRow("typed wrong") << QString() << std::optional(QStringLiteral("угадал?"))
                                     << TOutcome::PasswordRefused
                                     << "Сервер PostgreSQL не принял пароль пользователя «clerk».";
        QTest::newRow("password file") << ClerkPassword << none << TOutcome::Connected << QString();
        QTest::newRow("wrong one in the password file") << "old" << none << TOutcome::PasswordRefused
                                                        << "Сервер PostgreSQL не принял пароль пользователя «clerk».";
        QTest::newRow("typed wins over the file") << "old" << std::optional(ClerkPassword) << TOutcome::Connected
                                                  << QString();
    }
    void passwordFromTheUserOrThePasswordFile()
    {
        QFETCH(QString, passwordFile);
        QFETCH(std::optional<QString>, typed);
        QFETCH(TOutcome, outcome);
        QFETCH(QString, message);
        UsePasswordFile(passwordFile);
        QString said;
        QCOMPARE(Connect(m_book, typed, &said), outcome);
        QVERIFY2(said.startsWith(message), qPrintable(said));
        QVERIFY2(!said.contains(ClerkPassword), qPrintable(said));
    }

    // A password that passed does not make a missing database a refused password.
    void rightPasswordWrongDatabase()
    {
        UsePasswordFile(QString());
        QString said;
        const QString elsewhere = QString(m_book).replace(QRegularExpression(QStringLiteral("///[^?]+")),
                                                          QStringLiteral("///nobook"));
        QCOMPARE(Connect(elsewhere, ClerkPassword, &said), TOutcome::OtherFailure);
        QVERIFY2(said.startsWith(QStringLiteral("На сервере PostgreSQL нет такой базы данных.")), qPrintable(said));
    }
};

QTEST_GUILESS_MAIN(TestServerPassword)
#include "TestServerPassword.moc"
