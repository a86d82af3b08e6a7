#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <utility>

// Where a server book lives: the PostgreSQL server, its database and the
// user, as the connection dialog shows them and as the settings and the
// recent books keep them (a libpq URI). A password is never part of it:
// the program asks for it or libpq finds it in ~/.pgpass.
struct TServerAddress
{
    static constexpr int DefaultPort = 5432;

    // A host name or address, or a folder holding the server's Unix socket
    // (starts with '/'); empty: libpq's own default socket.
    QString Host;
    int Port = DefaultPort;
    QString Database;
    // Empty: libpq takes the name of the system user.
    QString User;
    // Further parameters of the address (sslmode=require, ...), kept as given and in order.
    QList<std::pair<QString, QString>> Options;

    bool IsSocketFolder() const { return Host.isEmpty() || Host.startsWith(QLatin1Char('/')); }

    // postgresql://USER@HOST:PORT/DATABASE, every part percent-encoded; a
    // socket folder goes as postgresql:///DATABASE?host=FOLDER&port=PORT&user=USER.
    QString ToUri() const;
    // The address a libpq URI (postgresql:// or postgres://) names; nothing
    // for other text, for a URI carrying a password, several hosts, no
    // database, a port out of range, a control character or broken
    // percent-encoding.
    static std::optional<TServerAddress> FromUri(const QString& uri);
    // Whether the text is meant as a server address rather than a file's path.
    static bool IsUri(const QString& text);

    // How the window names the book: "book на server (clerk)"; a socket
    // folder reads as this computer, a port other than the usual one is added.
    QString DisplayName() const;

    bool operator==(const TServerAddress& other) const = default;
};
