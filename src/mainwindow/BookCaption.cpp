#include "BookCaption.h"

#include "domain/ServerAddress.h"
#include "settings/FileChecks.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {
// The address with the password of its user part and its password parameters taken out.
QString WithoutPassword(QString uri)
{
    const qsizetype start = uri.indexOf(QLatin1String("://")) + 3;
    qsizetype end = uri.indexOf(QRegularExpression(QStringLiteral("[/?]")), start);
    if (end < 0)
        end = uri.size();
    const qsizetype at = uri.lastIndexOf(QLatin1Char('@'), end - 1);
    const qsizetype colon = uri.indexOf(QLatin1Char(':'), start);
    if (at >= start && colon >= start && colon < at)
        uri.remove(colon, at - colon);
    const qsizetype question = uri.indexOf(QLatin1Char('?'));
    if (question < 0)
        return uri;
    QStringList parameters = uri.mid(question + 1).split(QLatin1Char('&'));
    parameters.removeIf([](const QString& parameter) { return parameter.startsWith(QLatin1String("password=")); });
    return uri.left(question) + (parameters.isEmpty() ? QString() : QLatin1Char('?') + parameters.join(QLatin1Char('&')));
}
}

QString BookCaption(const QString& book)
{
    if (const std::optional<TServerAddress> address = TServerAddress::FromUri(book))
        return ShortPath(address->DisplayName());
    if (TServerAddress::IsUri(book)) {
        // An address written by hand that has no readable name: shown as it
        // is, but never with a password in it.
        return ShortPath(WithoutPassword(book.trimmed()));
    }
    return ShortPath(book);
}

bool IsServerBook(const QString& book)
{
    if (TServerAddress::IsUri(book))
        return true;
    const QFileInfo file(book);
    return !book.isEmpty() && !file.isAbsolute() && !file.isFile();
}
