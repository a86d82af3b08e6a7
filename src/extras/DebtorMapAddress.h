#pragma once

#include <QString>

class TDebtor;

// What the map is asked for a debtor: city, street and building, each
// followed by one blank but the last, empty parts kept.
QString DebtorMapAddress(const TDebtor& debtor);
