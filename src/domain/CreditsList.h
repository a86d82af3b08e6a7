#pragma once

#include "Credit.h"
#include "OwningList.h"

class TCreditsList : public TOwningList<TCredit>
{
};
