#pragma once

#include <QFrame>

// What the colours of the debtors grid mean: a white, framed note of three
// lines, each written in the look it explains. It lies over a corner of the
// grid and is hidden until asked for.
class TLegendPanel : public QFrame
{
    Q_OBJECT

public:
    explicit TLegendPanel(QWidget* parent = nullptr);

    // Shows it when hidden, hides it when shown.
    void Toggle();
};
