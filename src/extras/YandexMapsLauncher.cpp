#include "YandexMapsLauncher.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
const QString SearchPage = QStringLiteral("https://maps.yandex.ru/search.xml");
const QString SearchTail = QStringLiteral("&map=12&g=1.objects.20.10.&g=1.streets.20.200.&how=houses&asc=1");
}

QString TYandexMapsLauncher::SearchAddress(const QString& address)
{
    return SearchPage + QStringLiteral("?text=") + QString::fromLatin1(QUrl::toPercentEncoding(address)) + SearchTail;
}

void TYandexMapsLauncher::ShowAddressOnMap(const QString& address)
{
    OpenUrl(SearchAddress(address));
}

void TYandexMapsLauncher::OpenUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}
