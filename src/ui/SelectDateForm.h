#pragma once

#include "domain/DateTime.h"

#include <QDialog>
#include <memory>

namespace Ui {
class SelectDateForm;
}

// Asks for a date, with one-click links for today, yesterday and the day before.
class TSelectDateForm : public QDialog
{
    Q_OBJECT

public:
    explicit TSelectDateForm(QWidget* parent = nullptr);
    ~TSelectDateForm() override;

    void SetDate(const DateTime& value);
    // True when closed with OK.
    bool Execute();
    // The picked date; callers use its calendar date.
    DateTime SelectedDate() const;

private:
    void SetDaysBack(int days);
    // A date that does not exist is refused: the field marked, the reason under it.
    void OkActionExecute();
    void ShowDateFault();

    std::unique_ptr<Ui::SelectDateForm> m_ui;
    QTime m_time; // the time of day of the last date set, kept with the picked day
    bool m_okTried = false;
};
