#pragma once

#include <QColor>
#include <QLineEdit>

class QPainter;

// A one-line edit that shows a grey hint inside itself while it is empty.
// The hint is painted over the field, never part of its text.
class TInsideHintEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString InsideHint READ InsideHint WRITE SetInsideHint)
    Q_PROPERTY(QColor InsideHintColor READ InsideHintColor WRITE SetInsideHintColor)
    Q_PROPERTY(bool IsClearOnEnter READ IsClearOnEnter WRITE SetIsClearOnEnter)

public:
    explicit TInsideHintEdit(QWidget* parent = nullptr);

    QString InsideHint() const { return m_insideHint; }
    void SetInsideHint(const QString& value);
    QColor InsideHintColor() const { return m_insideHintColor; }
    void SetInsideHintColor(const QColor& value);
    // When set, the hint disappears as soon as the field gets the focus.
    bool IsClearOnEnter() const { return m_isClearOnEnter; }
    void SetIsClearOnEnter(bool value);

    // Whether the hint is drawn now: a hint is set, the text is empty, and
    // the field is not focused with IsClearOnEnter on.
    bool IsInsideHintShown() const;

protected:
    virtual void PaintInsideHint(QPainter& painter);

    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString m_insideHint;
    QColor m_insideHintColor{192, 192, 192};
    bool m_hasFocus = false;
    bool m_isClearOnEnter = false;
};
