#include "AddDebtorCommand.h"

#include "ToolOptions.h"

#include "core/LoanBook.h"
#include "data/DataAccessFacade.h"

namespace {

// The option of each detail and where it goes.
struct TDetailOption
{
    const char* Name;
    QString TDebtor::*Field;
};

constexpr TDetailOption DetailOptions[] = {
    { "patronymic", &TDebtor::PatronymicName },  { "phone", &TDebtor::Telephone },
    { "passport-series", &TDebtor::PassportSeries }, { "passport-number", &TDebtor::PassportNumber },
    { "passport-info", &TDebtor::PassportInfo },  { "post-code", &TDebtor::PostCode },
    { "region", &TDebtor::Region },               { "district", &TDebtor::District },
    { "city", &TDebtor::City },                   { "street", &TDebtor::Street },
    { "building", &TDebtor::Building },           { "flat", &TDebtor::Flat },
};

}

QString TAddDebtorCommand::Synopsis() const
{
    return QStringLiteral("ФАЙЛ --surname ФАМИЛИЯ --name ИМЯ [--patronymic ОТЧЕСТВО] [--phone ТЕЛЕФОН] "
                          "[--passport-series СЕРИЯ --passport-number НОМЕР --passport-info КЕМ_И_КОГДА_ВЫДАН] "
                          "[--post-code ИНДЕКС] [--region ОБЛАСТЬ] [--district РАЙОН] [--city ГОРОД] "
                          "[--street УЛИЦА] [--building ДОМ] [--flat КВАРТИРА]");
}

QStringList TAddDebtorCommand::OptionNames() const
{
    QStringList names { QStringLiteral("surname"), QStringLiteral("name") };
    for (const TDetailOption& option : DetailOptions)
        names << QString::fromLatin1(option.Name);
    return names;
}

void TAddDebtorCommand::ReadBookOptions(TToolOptions& options)
{
    options.Read(QStringLiteral("surname"), m_debtor.Surname);
    QString name;
    options.Read(QStringLiteral("name"), name);
    m_debtor.SetName(name);
    for (const TDetailOption& option : DetailOptions)
        options.Read(QString::fromLatin1(option.Name), m_debtor.*option.Field, false);
}

int TAddDebtorCommand::Work(ILoanBookStore& facade, QTextStream& out, QTextStream& /*err*/)
{
    TLoanBook(facade).AddDebtor(m_debtor);
    out << m_debtor.GetID() << '\n';
    return ecSuccess;
}
