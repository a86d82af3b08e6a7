#pragma once

#include <QByteArray>
#include <QtGlobal>

// Sets an environment variable for the lifetime of the object; a null value
// unsets it. The previous state comes back afterwards.
class TTestEnvironment
{
public:
    TTestEnvironment(const char* name, const QByteArray& value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~TTestEnvironment()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    TTestEnvironment(const TTestEnvironment&) = delete;
    TTestEnvironment& operator=(const TTestEnvironment&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};
