#pragma once

#include "InsideHintEdit.h"

#include <QPointer>
#include <functional>

class QLabel;
class TExtLabeledEdit;

// Lets the owner rewrite a message and its colour before they reach the label.
using TShowStringOnLabelEvent = std::function<void(TExtLabeledEdit* sender, QString& s, QColor& color)>;

// An edit that writes coloured messages into an associated label of its form.
class TExtLabeledEdit : public TInsideHintEdit
{
    Q_OBJECT
    Q_PROPERTY(bool IsColorSelfAsLabel READ IsColorSelfAsLabel WRITE SetIsColorSelfAsLabel)

public:
    explicit TExtLabeledEdit(QWidget* parent = nullptr);

    // The label is borrowed; when it is destroyed the reference clears itself.
    QLabel* NotifyLabel() const;
    virtual void SetNotifyLabel(QLabel* label);

    void SetOnBeforeShowStringOnLabelEvent(TShowStringOnLabelEvent handler);

    // When set, the edit's own text colour follows every message's colour.
    bool IsColorSelfAsLabel() const { return m_isColorSelfAsLabel; }
    void SetIsColorSelfAsLabel(bool value) { m_isColorSelfAsLabel = value; }

    // Shows the message on the notify label; nothing without a label.
    void ShowStringOnLabel(QString s, QColor color);
    void ClearNotifyLabel();

private:
    QPointer<QLabel> m_notifyLabel;
    TShowStringOnLabelEvent m_onBeforeShowStringOnLabel;
    bool m_isColorSelfAsLabel = false;
};
