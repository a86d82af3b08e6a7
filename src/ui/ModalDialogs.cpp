#include "ModalDialogs.h"

#include <QDialog>

namespace {
TModalHandler& Handler()
{
    static TModalHandler handler;
    return handler;
}
}

int ExecModal(QDialog& dialog)
{
    if (Handler())
        return Handler()(dialog);
    return dialog.exec();
}

TModalHandler SetModalHandler(TModalHandler handler)
{
    TModalHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
