#pragma once

#include <QDialog>
#include <exception>
#include <memory>

namespace Ui {
class ScheduleDelayUpdateForm;
}

class IUpdateSchedulesDelayInterface;
class QTimer;

// The wait window of the overdue indexing: shown while the indexing runs,
// closed by itself when it ends. The user cannot close it.
class TScheduleDelayUpdateForm : public QDialog
{
    Q_OBJECT

public:
    explicit TScheduleDelayUpdateForm(QWidget* parent = nullptr);
    ~TScheduleDelayUpdateForm() override;

    // Runs the indexing once, shortly after the window shows. An error of the
    // indexing closes the window and leaves this call; it is never retried here.
    void Execute(IUpdateSchedulesDelayInterface* updater);

    // Escape and the window's close request have no effect while it runs.
    void reject() override;

private:
    void StartTimerTimer();

    std::unique_ptr<Ui::ScheduleDelayUpdateForm> m_ui;
    QTimer* m_startTimer;
    IUpdateSchedulesDelayInterface* m_updater = nullptr;
    bool m_started = false;
    std::exception_ptr m_error;
};
