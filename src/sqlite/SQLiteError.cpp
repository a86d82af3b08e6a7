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
    RaiseDatabaseError(error.getErrorCode(), error.getExtendedErrorCode(), error.what());
}

void RaiseDatabaseError(int errorCode, int extendedErrorCode, const char* message)
{
    // A write the file refuses is told in the clerk's words with what to do
    // about it; every other failure keeps SQLite's own message.
    switch (errorCode & 0xff) {
    case SQLITE_BUSY:   // another process holds the lock
    case SQLITE_LOCKED: // another connection of this process does
        throw EDatabaseBusyException(errorCode, extendedErrorCode);
    case SQLITE_READONLY:
    case SQLITE_FULL:
    case SQLITE_IOERR:
        throw EDatabaseWriteException(errorCode, extendedErrorCode);
    default:
        throw EDatabaseException(DecodeMessage(message), errorCode, extendedErrorCode);
    }
}
