#pragma once

// A PostgreSQL cluster of the test's own: initdb and pg_ctl into a temporary
// folder, listening only on a Unix socket there, trusting local users; stopped
// and removed when the object goes (cleanupTestCase, or the end of the program
// after a failed test). Should the test program crash instead, a watchdog
// waiting on a pipe from it stops the server and removes the folder. PostgreSQL refuses to run as root: as root the cluster
// runs as the system user "postgres" that its package creates, in a folder it owns.
// Start it once per test program: initdb is the slow part. The tests that
// use it link varnel_postgres.

#include "postgres/PgConnection.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <pwd.h>
#include <unistd.h>

class TThrowawayCluster
{
public:
    static constexpr const char* SuperUser = "varnel";

    TThrowawayCluster() = default;
    ~TThrowawayCluster() { Stop(); }
    TThrowawayCluster(const TThrowawayCluster&) = delete;
    TThrowawayCluster& operator=(const TThrowawayCluster&) = delete;

    // Empty on success, else what went wrong (with the programs' output).
    QString Start()
    {
        if (!m_folder.isValid())
            return QStringLiteral("no temporary folder");
        const QString binDir = ServerBinDir();
        if (binDir.isEmpty())
            return QStringLiteral("initdb and pg_ctl not found (scripts/setup installs postgresql)");
        if (::geteuid() == 0) {
            const passwd* owner = ::getpwnam("postgres");
            if (!owner)
                return QStringLiteral("running as root, and there is no system user postgres to run the server");
            if (::chown(QFile::encodeName(m_folder.path()).constData(), owner->pw_uid, owner->pw_gid) != 0)
                return QStringLiteral("cannot hand the folder to postgres");
            m_runAs = {QStringLiteral("runuser"), QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--")};
        }
        m_pgCtl = binDir + QStringLiteral("/pg_ctl");
        QString failure = Run(binDir + QStringLiteral("/initdb"),
                              {QStringLiteral("-D"), DataDir(), QStringLiteral("-U"), QLatin1String(SuperUser),
                               QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                               QStringLiteral("--no-locale"), QStringLiteral("--no-sync")});
        if (!failure.isEmpty())
            return failure;
        // Nothing to lose: no disk syncs; no TCP at all, so the port only names the socket file.
        const QString options = QStringLiteral("-c listen_addresses='' -c unix_socket_directories='%1' -p %2 "
                                               "-c fsync=off -c synchronous_commit=off -c full_page_writes=off")
                                    .arg(m_folder.path())
                                    .arg(Port);
        failure = Run(m_pgCtl, {QStringLiteral("start"), QStringLiteral("-w"), QStringLiteral("-D"), DataDir(),
                                QStringLiteral("-l"), m_folder.filePath(QStringLiteral("server.log")),
                                QStringLiteral("-o"), options});
        if (!failure.isEmpty())
            return failure + QStringLiteral("\n") + ServerLog();
        m_running = true;
        StartWatchdog();
        return QString();
    }

    void Stop()
    {
        if (!m_running)
            return;
        m_running = false;
        Run(m_pgCtl, {QStringLiteral("stop"), QStringLiteral("-w"), QStringLiteral("-m"), QStringLiteral("immediate"),
                      QStringLiteral("-D"), DataDir()});
        // Its work is done: the pipe's end lets it finish (the folder goes with it or with us).
        m_watchdog.closeWriteChannel();
        m_watchdog.waitForFinished(60000);
    }

    // The libpq address of a database of this cluster, for the user (a role made by the test).
    QString Address(const QString& database, const QString& user = QLatin1String(SuperUser)) const
    {
        return QStringLiteral("postgresql:///%1?host=%2&port=%3&user=%4")
            .arg(database, m_folder.path())
            .arg(Port)
            .arg(user);
    }

    // A new, empty database of its own (for each test): its address.
    QString NewDatabase()
    {
        const QString name = QStringLiteral("book%1").arg(++m_databases);
        TPgConnection admin(Address(QStringLiteral("postgres")));
        admin.Execute(QStringLiteral("CREATE DATABASE %1").arg(name));
        return Address(name);
    }

    // The role must log in with its password from now on (the others stay
    // trusted). The server reloads its rules in the background: a test waits
    // with QTRY_* until a connection without the password is refused.
    // Empty on success, else what went wrong.
    QString RequirePassword(const QString& role)
    {
        QFile rules(DataDir() + QStringLiteral("/pg_hba.conf"));
        if (!rules.open(QIODevice::ReadWrite))
            return QStringLiteral("cannot open pg_hba.conf");
        const QByteArray trusted = rules.readAll();
        rules.seek(0);
        rules.write("local all " + role.toUtf8() + " scram-sha-256\n" + trusted);
        rules.close();
        return Run(m_pgCtl, {QStringLiteral("reload"), QStringLiteral("-D"), DataDir()});
    }

    QString ServerLog() const
    {
        QFile log(m_folder.filePath(QStringLiteral("server.log")));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

private:
    static constexpr int Port = 5432;

    static QString ServerBinDir()
    {
        // Debian keeps the server programs out of PATH, one folder per major version.
        QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        std::sort(versions.begin(), versions.end(),
                  [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
        for (const QString& version : versions) {
            const QString dir = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(version);
            if (QFileInfo::exists(dir + QStringLiteral("/initdb")))
                return dir;
        }
        const QString initdb = QStandardPaths::findExecutable(QStringLiteral("initdb"));
        return initdb.isEmpty() ? QString() : QFileInfo(initdb).canonicalPath();
    }

    // Reads the pipe until the test program closes it, by Stop or by dying.
    void StartWatchdog()
    {
        const QString script = QStringLiteral(
            "cat >/dev/null; folder=$0; \"$@\" stop -w -m immediate -D \"$folder/data\" >/dev/null 2>&1; "
            "rm -rf \"$folder\"");
        m_watchdog.setStandardOutputFile(QProcess::nullDevice());
        m_watchdog.setStandardErrorFile(QProcess::nullDevice());
        m_watchdog.start(QStringLiteral("sh"),
                         QStringList{QStringLiteral("-c"), script, m_folder.path()} + m_runAs + QStringList{m_pgCtl});
        m_watchdog.waitForStarted();
    }

    QString DataDir() const { return m_folder.filePath(QStringLiteral("data")); }

    QString Run(const QString& program, const QStringList& arguments) const
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        // The cluster must not take the test's environment for its own.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"PGDATA", "PGHOST", "PGPORT", "PGUSER", "PGDATABASE", "LD_PRELOAD", "ASAN_OPTIONS"})
            environment.remove(QLatin1String(name));
        process.setProcessEnvironment(environment);
        if (m_runAs.isEmpty())
            process.start(program, arguments);
        else
            process.start(m_runAs.first(), m_runAs.mid(1) + QStringList{program} + arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAll());
        return QString();
    }

    QTemporaryDir m_folder;
    QStringList m_runAs;
    QString m_pgCtl;
    QProcess m_watchdog;
    bool m_running = false;
    int m_databases = 0;
};
