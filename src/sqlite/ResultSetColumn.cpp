#include "ResultSetColumn.h"

#include "ResultSet.h"
#include "ResultSetExceptions.h"

TResultSetColumn::TResultSetColumn(TResultSet& owner, const QString& name, const QString& declaredType)
    : m_owner(owner)
    , m_name(name)
    , m_declaredType(declaredType)
{
}

void TResultSetColumn::SetVisible(bool value)
{
    if (value == m_visible)
        return;
    m_visible = value;
    m_owner.NotifyColumnsChanged();
}

void TResultSetColumn::SetCaption(const QString& value)
{
    // An empty caption is a caption too: the title stays blank.
    if (m_caption == value)
        return;
    m_caption = value;
    m_owner.NotifyColumnsChanged();
}

void TResultSetColumn::SetDisplayWidth(int value)
{
    if (value == m_displayWidth)
        return;
    m_displayWidth = value;
    m_owner.NotifyColumnsChanged();
}

bool TResultSetColumn::CanHoldMoney() const
{
    // The declared types SQLite gives real (or numeric) affinity; money columns
    // are declared CURRENCY in every loan book.
    const QString type = m_declaredType.toUpper();
    for (const char* form : { "CURR", "MONEY", "REAL", "FLOA", "DOUB", "NUMERIC", "DECIMAL" })
        if (type.contains(QLatin1String(form)))
            return true;
    return false;
}

void TResultSetColumn::SetMoneyMark(bool value)
{
    if (value && !CanHoldMoney())
        throw EInvalidFieldTypeException(m_name, m_declaredType);
    if (value == m_moneyMark)
        return;
    m_moneyMark = value;
    m_owner.NotifyColumnsChanged();
}

void TResultSetColumn::AssignPresentation(const TResultSetColumn& source)
{
    m_visible = source.m_visible;
    m_caption = source.m_caption;
    m_displayWidth = source.m_displayWidth;
    m_moneyMark = source.m_moneyMark && CanHoldMoney();
}
