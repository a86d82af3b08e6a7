#include "PgStatementRecorder.h"

#include <libpq-fe.h>

#include <dlfcn.h>

#include <mutex>
#include <stdexcept>
#include <string>

namespace {

std::mutex Guard;
bool Recording = false;
QList<TPgStatement> Recorded;

void Record(const char* sql, bool withValues, int count, const char* const* values)
{
    const std::lock_guard lock(Guard);
    if (!Recording)
        return;
    TPgStatement statement { QByteArray(sql), withValues, {} };
    for (int i = 0; i < count; ++i)
        statement.Values.push_back(values[i] ? std::optional<QByteArray>(QByteArray(values[i])) : std::nullopt);
    Recorded << statement;
}

// libpq's own function of that name, past this program's.
template <typename F>
F Libpq(const char* name)
{
    void* function = dlsym(RTLD_NEXT, name);
    if (!function)
        throw std::runtime_error(std::string("libpq has no ") + name);
    return reinterpret_cast<F>(function);
}

}

// The program's code calls these in place of libpq's (the program's own
// definitions come first); only text values are sent, as TPgConnection does.
extern "C" PGresult* PQexecParams(PGconn* connection, const char* command, int nParams, const Oid* paramTypes,
                                  const char* const* paramValues, const int* paramLengths, const int* paramFormats,
                                  int resultFormat)
{
    static const auto real = Libpq<decltype(&PQexecParams)>("PQexecParams");
    Record(command, true, nParams, paramValues);
    return real(connection, command, nParams, paramTypes, paramValues, paramLengths, paramFormats, resultFormat);
}

extern "C" PGresult* PQexec(PGconn* connection, const char* command)
{
    static const auto real = Libpq<decltype(&PQexec)>("PQexec");
    Record(command, false, 0, nullptr);
    return real(connection, command);
}

TPgStatementRecorder::TPgStatementRecorder()
{
    const std::lock_guard lock(Guard);
    Recorded.clear();
    Recording = true;
}

TPgStatementRecorder::~TPgStatementRecorder()
{
    const std::lock_guard lock(Guard);
    Recording = false;
}

QList<TPgStatement> TPgStatementRecorder::Statements() const
{
    const std::lock_guard lock(Guard);
    return Recorded;
}

qint64 RunBarePg(PGconn* connection, const QList<TPgStatement>& statements)
{
    qint64 bytes = 0;
    std::vector<const char*> values;
    for (const TPgStatement& statement : statements) {
        values.clear();
        for (const std::optional<QByteArray>& value : statement.Values)
            values.push_back(value ? value->constData() : nullptr);
        PGresult* result = statement.WithValues
            ? PQexecParams(connection, statement.Sql.constData(), int(values.size()), nullptr, values.data(), nullptr,
                           nullptr, 0)
            : PQexec(connection, statement.Sql.constData());
        const ExecStatusType status = PQresultStatus(result);
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
            const std::string message = PQerrorMessage(connection);
            PQclear(result);
            throw std::runtime_error(message + statement.Sql.toStdString());
        }
        const int rows = PQntuples(result);
        const int columns = PQnfields(result);
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column)
                bytes += PQgetlength(result, row, column);
        PQclear(result);
    }
    return bytes;
}
