#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The root of every error of the system: a message meant for the user.
class Exception : public std::exception
{
public:
    explicit Exception(QString message);

    const QString& Message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
