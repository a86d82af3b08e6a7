#include "SQLiteError.h"

#include "Cp1251Codec.h"

#include <QStringDecoder>

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
    throw EDatabaseException(DecodeMessage(error.what()), error.getErrorCode(), error.getExtendedErrorCode());
}
