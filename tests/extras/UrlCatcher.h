#pragma once

// Stands in for the system's browser and mail program: the links the program
// opens while it lives are caught here instead.

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

class TUrlCatcher : public QObject
{
    Q_OBJECT

public:
    explicit TUrlCatcher(QStringList schemes = {QStringLiteral("https"), QStringLiteral("http"), QStringLiteral("mailto")})
        : m_schemes(std::move(schemes))
    {
        for (const QString& scheme : m_schemes)
            QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~TUrlCatcher() override
    {
        for (const QString& scheme : m_schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> Opened;

public slots:
    void Open(const QUrl& url) { Opened << url; }

private:
    QStringList m_schemes;
};
