#pragma once

#include "ExtLabeledEdit.h"

#include <functional>

class QTimer;
class TConstraintedEdit;

// The constraint: sets answer to false to refuse the text, and may leave a
// message (and its colour) for the notify label.
using TConstraintCheckEvent = std::function<void(TConstraintedEdit* sender, const QString& text, bool& answer,
                                                 QString& userMessage, QColor& color)>;

// The edit used for all typed input: a pluggable constraint, a text accessor
// that refuses to hand out text violating it, and a typing-pause notification.
class TConstraintedEdit : public TExtLabeledEdit
{
    Q_OBJECT
    Q_PROPERTY(QString ConstraintEditExceptionMessage READ ConstraintEditExceptionMessage WRITE
                   SetConstraintEditExceptionMessage)
    Q_PROPERTY(bool IsCheckOnChange READ IsCheckOnChange WRITE SetIsCheckOnChange)
    Q_PROPERTY(bool IsCheckOnCreate READ IsCheckOnCreate WRITE SetIsCheckOnCreate)
    Q_PROPERTY(uint TypeWaitTimeMs READ TypeWaitTimeMs WRITE SetTypeWaitTimeMs)

public:
    static const QString DefaultConstraintEditExceptionMessage;

    explicit TConstraintedEdit(QWidget* parent = nullptr);

    QString ConstraintEditExceptionMessage() const { return m_exceptionMessage; }
    void SetConstraintEditExceptionMessage(const QString& value) { m_exceptionMessage = value; }

    bool IsCheckOnChange() const { return m_isCheckOnChange; }
    void SetIsCheckOnChange(bool value) { m_isCheckOnChange = value; }

    // Setting it to true checks at once, and again whenever a label is assigned.
    bool IsCheckOnCreate() const { return m_isCheckOnCreate; }
    void SetIsCheckOnCreate(bool value);

    // The typing pause after which OnTypoStop fires; the typing timer's interval.
    uint TypeWaitTimeMs() const;
    void SetTypeWaitTimeMs(uint value);

    void SetOnConstraintCheck(TConstraintCheckEvent handler);

    void SetNotifyLabel(QLabel* label) override;

    // Runs the constraint and shows its message; true without a constraint.
    virtual bool CheckConstraint();
    // The text, if the constraint holds; otherwise EConstraintEditException.
    QString CheckedText();

signals:
    // Once after each burst of changes, typed or assigned by the program,
    // TypeWaitTimeMs after the last of them.
    void OnTypoStop();

private:
    void HandleTextChanged();
    void HandleTypingTimeout();

    QString m_exceptionMessage;
    bool m_isCheckOnChange = false;
    bool m_isCheckOnCreate = false;
    TConstraintCheckEvent m_onConstraintCheck;
    QTimer* m_typingTimer;
};
