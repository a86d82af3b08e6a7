#pragma once

#include <QByteArray>
#include <QList>

#include <optional>
#include <vector>

struct pg_conn;

// One statement as the program handed it to libpq: its text and, when sent
// with bound values, the values in their text forms (nothing for NULL).
struct TPgStatement
{
    QByteArray Sql;
    bool WithValues = false;
    std::vector<std::optional<QByteArray>> Values;
};

// Writes down every statement the program sends to a PostgreSQL server while
// it lives, whichever connection sends it, so that the very same SQL can be
// sent again bare through libpq and the two timed against each other. libpq
// has no statement trace of its own: this program defines libpq's sending
// functions itself, writes down and hands each call on to libpq's own.
class TPgStatementRecorder
{
public:
    TPgStatementRecorder();
    ~TPgStatementRecorder();
    TPgStatementRecorder(const TPgStatementRecorder&) = delete;
    TPgStatementRecorder& operator=(const TPgStatementRecorder&) = delete;

    QList<TPgStatement> Statements() const;
};

// Sends the statements on the connection, each with its values bound, as a
// plain C program would, reading every value of every row. Returns the bytes
// read (so that the reading cannot be optimised away); raises
// std::runtime_error when the server refuses one.
qint64 RunBarePg(pg_conn* connection, const QList<TPgStatement>& statements);
