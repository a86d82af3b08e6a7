#pragma once

#include <QString>

class TDebtor;

// What the map is asked for a debtor: region, district, city, street and
// building, those given joined by ", ".
QString DebtorMapAddress(const TDebtor& debtor);
