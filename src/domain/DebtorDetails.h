#pragma once

#include <QString>

class TDebtor;

// A debtor's stored details as a whole: what an edit was decided on.
namespace DebtorDetails {

QString SurnameMissingMessage();
QString NameMissingMessage();

// Every detail equal (the key aside).
bool Same(const TDebtor& a, const TDebtor& b);
// Surname, name and patronymic equal: the same person, whatever else changed.
bool SamePerson(const TDebtor& a, const TDebtor& b);
// What a debtor cannot be stored without; empty when nothing is missing.
QString Fault(const TDebtor& debtor);

}
