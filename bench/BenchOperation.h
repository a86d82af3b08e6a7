#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// One measured operation: run once with its statements recorded, then timed
// against the same statements run bare.
struct TOperation
{
    QString Name;
    int Calls;
    std::function<qint64()> Run; // through the program's code; returns something read
    QList<QByteArray> Yardstick = {}; // run bare instead of the statements recorded
    std::function<void()> Prepare = {}; // untimed, before every run on either side
};
