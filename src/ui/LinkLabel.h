#pragma once

#include <QLabel>

// A label that acts as a link: it reports a click, and by default looks like
// one (blue, underlined, hand cursor). Forms may give it another colour or
// switch it to a plain look while a click has no use.
class TLinkLabel : public QLabel
{
    Q_OBJECT

public:
    static const QColor LinkColor;

    explicit TLinkLabel(QWidget* parent = nullptr);

    // Colour of the text; underline and hand cursor only when it is to look like a link.
    void SetLook(const QColor& color, bool asLink);

signals:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
