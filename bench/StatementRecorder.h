#pragma once

#include <QByteArray>
#include <QList>

struct sqlite3;

// Writes down every statement a connection runs (with its bound values put in
// place), so that the very same SQL can be run again bare through the sqlite3
// C API and the two timed against each other. Statements run by triggers are
// left out: running the statement that fires them runs them again.
class TStatementRecorder
{
public:
    // Starts recording on the connection; stops when destroyed.
    explicit TStatementRecorder(sqlite3* connection);
    ~TStatementRecorder();
    TStatementRecorder(const TStatementRecorder&) = delete;
    TStatementRecorder& operator=(const TStatementRecorder&) = delete;

    const QList<QByteArray>& Statements() const { return m_statements; }

private:
    static int OnTrace(unsigned type, void* context, void* statement, void* text);

    sqlite3* m_connection;
    QList<QByteArray> m_statements;
};

// Runs the statements on a connection of its own to the file, each prepared,
// stepped to its end with every column of every row read as text, and
// finalised, as a plain C program would. Returns the bytes read (so that the
// reading cannot be optimised away); raises std::runtime_error on an error.
qint64 RunBare(sqlite3* connection, const QList<QByteArray>& statements);
