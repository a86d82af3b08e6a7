#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class SafeDeleteForm;
}

class IRandomGenerator;
class TClockSeededRandomGenerator;

// Guards an irreversible action: OK is possible only after the user has typed
// the four-digit code the window shows, drawn anew at every showing.
class TSafeDeleteForm : public QDialog
{
    Q_OBJECT

public:
    explicit TSafeDeleteForm(QWidget* parent = nullptr);
    ~TSafeDeleteForm() override;

    // The warning shown in red above the code.
    void SetAlert(const QString& text);
    // True when closed with OK, that is after the code was typed.
    bool Execute();

    // Where the digits of the code come from; none brings back the form's own
    // clock-seeded generator. Borrowed.
    void SetRandomGenerator(IRandomGenerator* generator);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void NewCode();
    void CodeEditChange();

    std::unique_ptr<Ui::SafeDeleteForm> m_ui;
    std::unique_ptr<TClockSeededRandomGenerator> m_ownGenerator;
    IRandomGenerator* m_generator;
    QString m_code;
};
