#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <atomic>

class TSQLiteConnection;

// One day's copy of a loan book.
struct TLoanBookBackup
{
    QString Path;
    QDate Day;
};

// The daily copies of loan books, kept together in one folder as
// "<book's name> <yyyy-MM-dd>.s3db": a copy is itself a loan book that
// Varnel (or an earlier installation) opens as it is. Of each book the
// copies of the ten most recent days are kept.
class TLoanBookBackups
{
public:
    static constexpr int KeptDays = 10;
    // The folder's name beside the settings file.
    static QString FolderName() { return QStringLiteral("Резервные копии"); }

    explicit TLoanBookBackups(QString folder);

    const QString& Folder() const { return m_folder; }
    // The book's copies, newest first.
    QList<TLoanBookBackup> List(const QString& book) const;
    QString PathFor(const QString& book, const QDate& day) const;
    bool Has(const QString& book, const QDate& day) const;

    // Copies the book as that day's copy (replacing an earlier one of the
    // day) and drops the copies beyond the ten most recent days. Returns the
    // copy's path, or an empty text when stop became true first; raises
    // EDatabaseException (or a plain Exception for the folder) on failure.
    QString Make(const QString& book, const QDate& day, const std::atomic_bool* stop = nullptr);
    void Prune(const QString& book);

    // Restores the book open on the connection from a copy: the book's
    // present content is first saved beside it (the path is returned), then
    // replaced by the copy's in one transaction.
    static QString Restore(TSQLiteConnection& connection, const QString& copy, const QDateTime& now);
    // Where Restore saves the present content of the book.
    static QString SavedAsidePath(const QString& book, const QDateTime& now);

private:
    QString m_folder;
};
