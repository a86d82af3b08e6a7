#include "SQLiteError.h"

#include "Cp1251Codec.h"

#include <QStringDecoder>
#include <sqlite3.h>

namespace {

// SQLite's messages are ASCII, but may quote a file name (UTF-8 here) or a
// piece of a statement (Windows-1251 bytes).
QString DecodeMessage(const char* message)
{
    const QByteArray bytes(message ? message : "");
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? Cp1251::Decode(bytes) : text;
}

}

void RaiseDatabaseError(const SQLite::Exception& error)
{
    // SQLITE_BUSY: another process holds the lock; SQLITE_LOCKED: another
    // connection of this process does. Either way the file is in use.
    const int primary = error.getErrorCode() & 0xff;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        throw EDatabaseBusyException(error.getErrorCode(), error.getExtendedErrorCode());
    throw EDatabaseException(DecodeMessage(error.what()), error.getErrorCode(), error.getExtendedErrorCode());
}
