#include "ScheduleDelayUpdateForm.h"

#include "FormLook.h"
#include "data/UpdateSchedulesDelayInterface.h"
#include "domain/Exception.h"
#include "ui_ScheduleDelayUpdateForm.h"
#include "RequiredArgument.h"

#include <QTimer>

TScheduleDelayUpdateForm::TScheduleDelayUpdateForm(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::ScheduleDelayUpdateForm>())
    , m_startTimer(new QTimer(this))
{
    m_ui->setupUi(this);
    // A title and no buttons on it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    FixFormSize(this, QSize(241, 89));

    // Runs from the window's creation, so that it elapses while the window is on screen.
    m_startTimer->setObjectName(QStringLiteral("StartTimer"));
    m_startTimer->setSingleShot(true);
    m_startTimer->setInterval(50);
    connect(m_startTimer, &QTimer::timeout, this, &TScheduleDelayUpdateForm::StartTimerTimer);
    m_startTimer->start();
}

TScheduleDelayUpdateForm::~TScheduleDelayUpdateForm() = default;

void TScheduleDelayUpdateForm::Execute(IUpdateSchedulesDelayInterface* updater)
{
    RequireArgument(updater, QStringLiteral("Посетитель для запуска обновления задержек не задан."));
    m_updater = updater;
    m_started = false;
    // Once per opening: the timer may have elapsed before there was anything to run.
    if (!m_startTimer->isActive())
        m_startTimer->start();
    exec();
    m_updater = nullptr;
    if (m_error)
        std::rethrow_exception(std::exchange(m_error, nullptr));
}

void TScheduleDelayUpdateForm::reject()
{
    // Only the end of the indexing closes the window.
}

void TScheduleDelayUpdateForm::StartTimerTimer()
{
    m_startTimer->stop();
    if (!m_updater || m_started)
        return;
    m_started = true;
    // No exception may leave a timer event: the error is kept and raised
    // again by Execute once the window's loop has ended.
    try {
        m_updater->UpdateSchedulesDelay();
    } catch (...) {
        m_error = std::current_exception();
    }
    done(m_error ? QDialog::Rejected : QDialog::Accepted);
}
