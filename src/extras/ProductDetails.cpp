#include "ProductDetails.h"

#include "domain/ProgramVersion.h"

TProductDetails TProductDetails::BuiltIn()
{
    return {QStringLiteral("Varnel"), ProgramVersion(), QStringLiteral(VARNEL_SUPPORT_ADDRESS),
            QStringLiteral(VARNEL_WEB_SITE), QStringLiteral(VARNEL_MAKER)};
}
