#pragma once

class QTreeWidget;
class TDebtor;

// Rebuilds the details tree of a debtor: the headings "ФИО", "Паспорт",
// "Адрес" and "Телефоны" always, under each the lines of the fields that are
// filled in, and every heading with a line opened.
void FillDebtorDetails(QTreeWidget* tree, const TDebtor& debtor);
