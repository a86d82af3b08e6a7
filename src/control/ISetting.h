#pragma once

#include <QString>

// One remembered value, found by its section and key.
class ISetting
{
public:
    virtual void SetValue(const QString& value) = 0;
    virtual QString Ident() const = 0;
    virtual QString Section() const = 0;
    virtual QString Value() const = 0;

protected:
    ~ISetting() = default;
};
