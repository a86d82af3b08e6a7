#pragma once

#include <QString>

// Shows places on the web map and opens links with the system's default
// handler (browser, mail program). Nothing to hold: plain functions of the class.
class TYandexMapsLauncher
{
public:
    // The map's search page for the address: the address is one query value,
    // percent-encoded, so "&", "#", "?" or "%" in it stay part of the address.
    static QString SearchAddress(const QString& address);

    static void ShowAddressOnMap(const QString& address);
    // What the system does with the link (no browser, no network) is not reported.
    static void OpenUrl(const QString& url);
};
