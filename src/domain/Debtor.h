#pragma once

#include "SimpleIDObject.h"

// A borrower. ID is the DebtorID, Name the first name.
class TDebtor : public TSimpleNamedObject
{
public:
    QString Surname;
    QString PatronymicName;
    QString Telephone;
    QString PostCode;
    QString Region;
    QString District;
    QString Street;
    QString PassportSeries;
    QString Building;
    QString PassportNumber;
    QString Flat;
    QString PassportInfo;
    QString City;
};
