#include "DailyBackup.h"

#include "domain/Exception.h"


TDailyBackup::TDailyBackup(QString folder) : m_backups(std::move(folder))
{
}

TDailyBackup::~TDailyBackup()
{
    Abandon();
}

void TDailyBackup::Start(const QString& book, const QDate& today)
{
    Abandon();
    if (m_backups.Folder().isEmpty() || book.isEmpty() || m_backups.Has(book, today))
        return;
    m_stop = false;
    m_running = true;
    // The worker touches nothing but its copy of the folder policy and the files.
    m_worker = std::thread([this, backups = m_backups, book, today]() mutable {
        QString failure;
        try {
            backups.Make(book, today, &m_stop);
        } catch (const Exception& error) {
            failure = error.Message();
        } catch (const std::exception& error) {
            failure = QString::fromLocal8Bit(error.what());
        }
        if (!failure.isEmpty()) {
            // Queued to this object's thread; dropped when the object is gone by then.
            QMetaObject::invokeMethod(
                this,
                [this, failure] {
                    if (m_onFailure)
                        m_onFailure(failure);
                },
                Qt::QueuedConnection);
        }
        m_running = false;
    });
}

void TDailyBackup::Wait()
{
    if (m_worker.joinable())
        m_worker.join();
}

void TDailyBackup::Abandon()
{
    m_stop = true;
    Wait();
}
