#pragma once

#include <QString>

// Identity of a stored object, without lifetime management: whoever holds
// the interface never frees the object behind it.
class IIDObject
{
public:
    virtual int GetID() const = 0;
    virtual void SetID(int value) = 0;

protected:
    ~IIDObject() = default;
};

class INamedObject
{
public:
    virtual QString GetName() const = 0;
    virtual void SetName(const QString& value) = 0;

protected:
    ~INamedObject() = default;
};

// Root of the records that live in a table. ID -1 means "not stored yet".
class TSimpleIDObject : public IIDObject
{
public:
    TSimpleIDObject() = default;
    TSimpleIDObject(const TSimpleIDObject&) = default;
    TSimpleIDObject& operator=(const TSimpleIDObject&) = default;
    virtual ~TSimpleIDObject() = default;

    int GetID() const override { return m_id; }
    void SetID(int value) override
    {
        if (value != m_id)
            m_id = value;
    }
    // Takes the source's ID; with no source nothing changes.
    void Assign(const TSimpleIDObject* source)
    {
        if (source)
            SetID(source->GetID());
    }

private:
    int m_id = -1;
};

class TSimpleNamedObject : public TSimpleIDObject, public INamedObject
{
public:
    QString GetName() const override { return m_name; }
    void SetName(const QString& value) override
    {
        if (value != m_name)
            m_name = value;
    }

private:
    QString m_name;
};
