#pragma once

#include <QString>

// What the About box tells of the product. The built-in details come from
// the build's settings; an empty address hides its link.
struct TProductDetails
{
    QString Title;
    QString Version;
    QString SupportAddress;
    QString WebSite;
    QString Maker;

    static TProductDetails BuiltIn();
};
