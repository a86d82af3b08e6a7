#include "StoreOnOk.h"

#include "ApplicationErrors.h"
#include "domain/BookChangedException.h"

#include <QDialog>

void TStoreOnOk::Finish(QDialog& dialog) const
{
    // Inside the OK button's handler: nothing may unwind through Qt from here.
    try {
        if (m_store)
            m_store();
    } catch (const EBookChangedException&) {
        HandleApplicationException();
        dialog.reject();
        return;
    } catch (...) {
        HandleApplicationException();
        return;
    }
    dialog.accept();
}
