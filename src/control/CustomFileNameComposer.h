#pragma once

#include <QObject>
#include <QString>

// Knows in which folder a file of the program lives and what it is called.
class TCustomFileNameComposer : public QObject
{
public:
    explicit TCustomFileNameComposer(QObject* parent = nullptr) : QObject(parent) {}

    QString JustFileName() const { return m_justFileName; }
    void SetJustFileName(const QString& value) { m_justFileName = value; }

    // The folder, ending with a separator.
    virtual QString GetFolder() const = 0;

private:
    QString m_justFileName;
};
