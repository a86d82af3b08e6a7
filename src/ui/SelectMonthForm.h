#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class SelectMonthForm;
}

// Asks for a month and a year; opens on the current ones.
class TSelectMonthForm : public QDialog
{
    Q_OBJECT

public:
    explicit TSelectMonthForm(QWidget* parent = nullptr);
    ~TSelectMonthForm() override;

    // True when closed with OK.
    bool Execute();
    // 1 to 12.
    int SelectedMonth() const;
    // The typed year, or the current one when the field holds no whole number.
    int SelectedYear() const;

private:
    std::unique_ptr<Ui::SelectMonthForm> m_ui;
};
