#include "ServerAddress.h"

#include <QStringDecoder>
#include <QUrl>

#include <cctype>

namespace {

const QLatin1String Schemes[] = {QLatin1String("postgresql://"), QLatin1String("postgres://")};

QString Encoded(const QString& text, const QByteArray& keep = QByteArray())
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text, keep));
}

// libpq's decoding: %XX anywhere, nothing else special; %00 and broken
// sequences are refused, and so is what does not read as UTF-8.
std::optional<QString> Decoded(QStringView text)
{
    QByteArray bytes;
    const QByteArray utf8 = text.toUtf8();
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '%') {
            bytes += utf8[i];
            continue;
        }
        const QByteArray hex = utf8.mid(i + 1, 2);
        if (hex.size() != 2 || !std::isxdigit(uchar(hex[0])) || !std::isxdigit(uchar(hex[1])))
            return std::nullopt;
        const int value = hex.toInt(nullptr, 16);
        if (value == 0)
            return std::nullopt;
        bytes += char(value);
        i += 2;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString decoded = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    // A line break or a tab in a name is garbage, never a real server's.
    for (const QChar c : decoded)
        if (c.category() == QChar::Other_Control)
            return std::nullopt;
    return decoded;
}

std::optional<int> PortNumber(const QString& text)
{
    if (text.isEmpty())
        return TServerAddress::DefaultPort;
    for (const QChar c : text)
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
    bool ok = false;
    const int port = text.toInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

// HOST, HOST:PORT, [IPv6]:PORT; the port's text is left empty when missing.
bool SplitHostSpec(const QString& spec, QString& host, QString& port)
{
    if (spec.contains(QLatin1Char(',')))
        return false; // several hosts: not a single book's server
    if (spec.startsWith(QLatin1Char('['))) {
        const qsizetype close = spec.indexOf(QLatin1Char(']'));
        if (close < 0)
            return false;
        host = spec.mid(1, close - 1);
        const QString rest = spec.mid(close + 1);
        if (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':')))
            return false;
        port = rest.mid(1);
        return true;
    }
    const qsizetype colon = spec.lastIndexOf(QLatin1Char(':'));
    host = colon < 0 ? spec : spec.left(colon);
    port = colon < 0 ? QString() : spec.mid(colon + 1);
    return true;
}

}

bool TServerAddress::IsUri(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const QLatin1String scheme : Schemes)
        if (trimmed.startsWith(scheme))
            return true;
    return false;
}

std::optional<TServerAddress> TServerAddress::FromUri(const QString& uri)
{
    QString rest = uri.trimmed();
    bool schemeFound = false;
    for (const QLatin1String scheme : Schemes) {
        if (rest.startsWith(scheme)) {
            rest = rest.mid(scheme.size());
            schemeFound = true;
            break;
        }
    }
    if (!schemeFound)
        return std::nullopt;

    const qsizetype question = rest.indexOf(QLatin1Char('?'));
    const QString query = question < 0 ? QString() : rest.mid(question + 1);
    rest = question < 0 ? rest : rest.left(question);
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    const QString authority = slash < 0 ? rest : rest.left(slash);
    const QString path = slash < 0 ? QString() : rest.mid(slash + 1);

    TServerAddress address;
    const qsizetype at = authority.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        const QString userSpec = authority.left(at);
        if (userSpec.contains(QLatin1Char(':')))
            return std::nullopt; // a password never travels in an address
        const std::optional<QString> user = Decoded(userSpec);
        if (!user)
            return std::nullopt;
        address.User = *user;
    }
    QString hostText;
    QString portText;
    if (!SplitHostSpec(authority.mid(at + 1), hostText, portText))
        return std::nullopt;
    const std::optional<QString> host = Decoded(hostText);
    const std::optional<QString> database = Decoded(path);
    if (!host || !database)
        return std::nullopt;
    address.Host = *host;
    address.Database = *database;

    if (!query.isEmpty()) {
        for (const QString& pair : query.split(QLatin1Char('&'))) {
            const qsizetype equals = pair.indexOf(QLatin1Char('='));
            if (equals < 0)
                return std::nullopt;
            const std::optional<QString> name = Decoded(QStringView(pair).left(equals));
            const std::optional<QString> value = Decoded(QStringView(pair).mid(equals + 1));
            if (!name || !value)
                return std::nullopt;
            if (*name == QLatin1String("host"))
                address.Host = *value;
            else if (*name == QLatin1String("port"))
                portText = *value;
            else if (*name == QLatin1String("dbname"))
                address.Database = *value;
            else if (*name == QLatin1String("user"))
                address.User = *value;
            else if (*name == QLatin1String("password") || *name == QLatin1String("passfile"))
                return std::nullopt;
            else
                address.Options.append({*name, *value});
        }
    }
    if (address.Host.contains(QLatin1Char(',')) || portText.contains(QLatin1Char(',')))
        return std::nullopt;
    const std::optional<int> port = PortNumber(portText);
    if (!port || address.Database.isEmpty())
        return std::nullopt;
    address.Port = *port;
    return address;
}

QString TServerAddress::ToUri() const
{
    QStringList parameters;
    QString uri = QStringLiteral("postgresql://");
    if (IsSocketFolder()) {
        uri += QLatin1Char('/') + Encoded(Database);
        if (!Host.isEmpty())
            parameters << QStringLiteral("host=") + Encoded(Host, "/");
        parameters << QStringLiteral("port=%1").arg(Port);
        if (!User.isEmpty())
            parameters << QStringLiteral("user=") + Encoded(User);
    } else {
        if (!User.isEmpty())
            uri += Encoded(User) + QLatin1Char('@');
        // An IPv6 address is written in brackets, as it is.
        uri += Host.contains(QLatin1Char(':')) ? QLatin1Char('[') + Host + QLatin1Char(']') : Encoded(Host);
        uri += QStringLiteral(":%1/").arg(Port) + Encoded(Database);
    }
    for (const auto& [name, value] : Options)
        parameters << Encoded(name) + QLatin1Char('=') + Encoded(value);
    if (!parameters.isEmpty())
        uri += QLatin1Char('?') + parameters.join(QLatin1Char('&'));
    return uri;
}

QString TServerAddress::DisplayName() const
{
    QString place;
    if (IsSocketFolder()) {
        place = QStringLiteral("этом компьютере");
        if (Port != DefaultPort)
            place += QStringLiteral(", порт %1").arg(Port);
    } else {
        place = Host.contains(QLatin1Char(':')) ? QLatin1Char('[') + Host + QLatin1Char(']') : Host;
        if (Port != DefaultPort)
            place += QStringLiteral(":%1").arg(Port);
    }
    QString name = QStringLiteral("%1 на %2").arg(Database, place);
    if (!User.isEmpty())
        name += QStringLiteral(" (%1)").arg(User);
    return name;
}
