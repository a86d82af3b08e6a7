#pragma once

#include <QFrame>

// What the colours of the debtors grid and the credits list mean: a white,
// framed note whose lines are each written in the look they explain. It takes
// its own place above the grid, so it covers no row, and is hidden until
// asked for; Escape or a click anywhere else hides it again.
class TLegendPanel : public QFrame
{
    Q_OBJECT

public:
    // A click on `toggle` is left to Toggle(), so that it does not hide the
    // panel only to show it again.
    explicit TLegendPanel(QWidget* toggle, QWidget* parent = nullptr);

    // Shows it when hidden, hides it when shown.
    void Toggle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool IsInside(const QObject* object) const;

    QWidget* m_toggle;
};
