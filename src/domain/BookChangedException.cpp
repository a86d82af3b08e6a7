#include "BookChangedException.h"

namespace {

const QString Afterwards = QStringLiteral(" Ничего не записано: список будет прочитан заново, проверьте его и "
                                          "повторите действие.");

}

EBookChangedException EBookChangedException::CreditChanged()
{
    return EBookChangedException(QStringLiteral("Кредит изменён в другой программе, пока было открыто это окно.")
                                 + Afterwards);
}

EBookChangedException EBookChangedException::CreditDeleted()
{
    return EBookChangedException(QStringLiteral("Кредит удалён в другой программе.") + Afterwards);
}

EBookChangedException EBookChangedException::DebtorChanged()
{
    return EBookChangedException(QStringLiteral("Данные должника изменены в другой программе, пока было открыто "
                                                "это окно.")
                                 + Afterwards);
}

EBookChangedException EBookChangedException::DebtorDeleted()
{
    return EBookChangedException(QStringLiteral("Должник удалён в другой программе.") + Afterwards);
}
