#pragma once

// Helpers shared by the data tests: fresh loan books in a temporary folder and
// a raw look at the file behind the facade's back.

#include "data/DataAccessFacade.h"
#include "data/LoanBookFile.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/PaymentSchedule.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <SQLiteCpp/SQLiteCpp.h>

#include <memory>

namespace DataTest {

inline void PinLocale()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

inline QString FixturePath(const QString& name)
{
    return QStringLiteral(VARNEL_TEST_DATA_DIR "/") + name;
}

// A new, empty loan book in the folder.
inline QString NewLoanBook(const QTemporaryDir& dir, const QString& name = QStringLiteral("book.s3db"))
{
    const QString path = dir.filePath(name);
    CreateLoanBookFile(path);
    return path;
}

// A copy of a fixture in the folder, writable.
inline QString CopyFixture(const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    QFile::copy(FixturePath(name), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// The legacy fixture as installations older still declared it: the same
// tables, rows and triggers, the keys without AUTOINCREMENT (and so no
// sqlite_sequence at all).
inline QString LegacyWithoutAutoincrement(const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    SQLite::Database db(path.toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("ATTACH DATABASE '" + FixturePath(QStringLiteral("legacy-loanbook.s3db")).toStdString() + "' AS Old");
    // Tables and their rows first, the triggers after, so that copying fires none.
    SQLite::Statement objects(db, "SELECT type, name, sql FROM Old.sqlite_master "
                                  "WHERE sql IS NOT NULL AND name <> 'sqlite_sequence' ORDER BY type = 'trigger'");
    while (objects.executeStep()) {
        const std::string type = objects.getColumn(0).getString();
        const std::string table = objects.getColumn(1).getString();
        db.exec(QString::fromStdString(objects.getColumn(2).getString())
                    .remove(QStringLiteral(" AUTOINCREMENT"))
                    .toStdString());
        if (type == "table")
            db.exec("INSERT INTO main.\"" + table + "\" SELECT * FROM Old.\"" + table + "\"");
    }
    db.exec("DETACH DATABASE Old");
    return path;
}

inline std::unique_ptr<TDataAccessFacade> OpenFacade(const QString& path)
{
    auto facade = std::make_unique<TDataAccessFacade>();
    facade->Connection().SetFileName(path);
    facade->Connection().Open();
    return facade;
}

// A connection of its own, as another program would have it.
inline std::unique_ptr<SQLite::Database> RawOpen(const QString& path)
{
    return std::make_unique<SQLite::Database>(path.toStdString(), SQLite::OPEN_READWRITE);
}

inline void RawExec(const QString& path, const QByteArray& sql)
{
    RawOpen(path)->exec(sql.constData());
}

// The first column of every row, as the raw bytes SQLite holds (NULL as "NULL").
inline QList<QByteArray> RawColumn(const QString& path, const QByteArray& sql)
{
    auto db = RawOpen(path);
    SQLite::Statement query(*db, sql.constData());
    QList<QByteArray> values;
    while (query.executeStep()) {
        const SQLite::Column column = query.getColumn(0);
        values << (column.isNull() ? QByteArray("NULL") : QByteArray(column.getText(), column.getBytes()));
    }
    return values;
}

inline QByteArray RawValue(const QString& path, const QByteArray& sql)
{
    const QList<QByteArray> values = RawColumn(path, sql);
    return values.isEmpty() ? QByteArray() : values.first();
}

// Every row of every table with the type of each value, for "nothing changed" checks.
inline QByteArray DumpContent(const QString& path)
{
    auto db = RawOpen(path);
    QByteArray dump;
    SQLite::Statement tables(*db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
    while (tables.executeStep()) {
        const std::string table = tables.getColumn(0).getString();
        SQLite::Statement rows(*db, "SELECT * FROM \"" + table + "\" ORDER BY rowid");
        dump += "[" + QByteArray::fromStdString(table) + "]\n";
        while (rows.executeStep()) {
            for (int i = 0; i < rows.getColumnCount(); ++i) {
                const SQLite::Column value = rows.getColumn(i);
                dump += QByteArray::number(value.getType()) + ":" + QByteArray(value.getText(), value.getBytes()) + "|";
            }
            dump += "\n";
        }
    }
    return dump;
}

inline QByteArray DumpSchema(const QString& path)
{
    return RawColumn(path, "SELECT type || ' ' || name || ' ' || IfNull(sql, '') FROM sqlite_master ORDER BY name")
        .join('\n');
}

inline QByteArray IntegrityCheck(const QString& path)
{
    return RawValue(path, "PRAGMA integrity_check");
}

// A new loan book in a folder of its own, with a facade open on it.
struct TBook
{
    QTemporaryDir dir;
    QString path = NewLoanBook(dir);
    std::unique_ptr<TDataAccessFacade> facade = OpenFacade(path);

    QByteArray Raw(const QByteArray& sql) const { return RawValue(path, sql); }
};

// One schedule row built by hand.
inline std::unique_ptr<TPaymentScheduleItem> ScheduleRow(const DateTime& due, const char* mustBePaymentSum,
                                                         const char* annua = "888.4879")
{
    auto row = std::make_unique<TPaymentScheduleItem>();
    row->PaymentDate = due;
    row->MustBePaymentSum = Money::FromText(QString::fromLatin1(mustBePaymentSum));
    row->Annua = Money::FromText(QString::fromLatin1(annua));
    row->CreditPercents = Money::FromText(QStringLiteral("100"));
    row->PayingOff = row->Annua - row->CreditPercents;
    return row;
}

// A schedule of `count` monthly rows of 888.4879 from the first due date on.
inline void FillSchedule(TPaymentSchedule& schedule, const DateTime& firstDue, int count)
{
    Money total;
    for (int i = 0; i < count; ++i) {
        total += Money::FromText(QStringLiteral("888.4879"));
        auto row = ScheduleRow(firstDue.AddMonths(i), "0");
        row->MustBePaymentSum = total;
        row->Balance = Money::FromText(QStringLiteral("10000")) - total;
        schedule.Add(std::move(row));
    }
}

}
