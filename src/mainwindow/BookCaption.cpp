#include "BookCaption.h"

#include "domain/ServerAddress.h"
#include "settings/FileChecks.h"

#include <QFileInfo>

QString BookCaption(const QString& book)
{
    if (const std::optional<TServerAddress> address = TServerAddress::FromUri(book))
        return ShortPath(address->DisplayName());
    return ShortPath(book);
}

bool IsServerBook(const QString& book)
{
    if (TServerAddress::IsUri(book))
        return true;
    const QFileInfo file(book);
    return !book.isEmpty() && !file.isAbsolute() && !file.isFile();
}
