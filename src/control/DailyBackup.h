#pragma once

#include "data/LoanBookBackups.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

// Makes the day's copy of the loan book at its first opening of the day. The
// copy is taken in a thread of its own over connections of its own, a few
// pages at a time (see OnlineBackup), so the clerk works on while a big book
// is copied. A copy under way when the program ends, or when another book is
// opened, is abandoned and leaves nothing; that book is copied at its next opening.
class TDailyBackup : public QObject
{
public:
    explicit TDailyBackup(QString folder);
    ~TDailyBackup() override;
    TDailyBackup(const TDailyBackup&) = delete;
    TDailyBackup& operator=(const TDailyBackup&) = delete;

    const TLoanBookBackups& Backups() const { return m_backups; }
    // Starts the copy of the book for the day unless the folder holds one.
    void Start(const QString& book, const QDate& today);
    bool Running() const { return m_running; }
    // Waits until the copy under way is done.
    void Wait();
    // Told, on the thread that made this object, why a copy failed.
    void SetOnFailure(std::function<void(const QString& message)> handler) { m_onFailure = std::move(handler); }

private:
    void Abandon();

    TLoanBookBackups m_backups;
    std::thread m_worker;
    std::atomic_bool m_stop { false };
    std::atomic_bool m_running { false };
    std::function<void(const QString&)> m_onFailure;
};
