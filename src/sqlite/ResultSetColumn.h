#pragma once

#include <QString>

#include <optional>

class TResultSet;

// One column of a result set: its name in the result, the type SQLite declares
// for it, and how grids and reports present it.
class TResultSetColumn
{
public:
    TResultSetColumn(TResultSet& owner, const QString& name, const QString& declaredType);

    const QString& Name() const { return m_name; }
    // The declared type of the table column behind it; empty for an expression.
    const QString& DeclaredType() const { return m_declaredType; }

    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    // The name until a caption is given.
    QString Caption() const { return m_caption.value_or(m_name); }
    void SetCaption(const QString& value);
    // In characters; 0 leaves the width to the grid.
    int DisplayWidth() const { return m_displayWidth; }
    void SetDisplayWidth(int value);
    // Asks for the value to be shown as a money amount. Only a column the
    // schema declares as a money or real column takes the mark; any other
    // raises EInvalidFieldTypeException.
    bool MoneyMark() const { return m_moneyMark; }
    void SetMoneyMark(bool value);

    // Copies the presentation (not the name) from a column of an earlier opening.
    void AssignPresentation(const TResultSetColumn& source);

private:
    bool CanHoldMoney() const;

    TResultSet& m_owner;
    QString m_name;
    QString m_declaredType;
    bool m_visible = true;
    std::optional<QString> m_caption; // none: the name
    int m_displayWidth = 0;
    bool m_moneyMark = false;
};
