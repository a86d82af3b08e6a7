#include "StoreOnOk.h"

#include "ApplicationErrors.h"

bool TStoreOnOk::Run() const
{
    if (!m_store)
        return true;
    // Inside the OK button's handler: nothing may unwind through Qt from here.
    try {
        m_store();
        return true;
    } catch (...) {
        HandleApplicationException();
        return false;
    }
}
