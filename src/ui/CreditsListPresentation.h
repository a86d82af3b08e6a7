#pragma once

#include <QMetaType>
#include <array>

class QTreeWidget;
class QTreeWidgetItem;
class TCredit;
class TCreditsList;

Q_DECLARE_METATYPE(const TCredit*)

// The credits list shared by the main window and the credit selection: one
// line per credit with its state and overdue counters, red for an open
// overdue instalment, bold for repeated ones, silver for a repaid credit.

constexpr int CreditsListColumnCount = 8;

// Captions of the eight columns; each window gives its own widths and says
// how many leading columns are left-aligned (the rest are right-aligned).
void SetupCreditsListColumns(QTreeWidget* list, const std::array<int, CreditsListColumnCount>& widths,
                             int leftAlignedColumns);
// Replaces the lines by one per credit, in list order, each referring to its
// credit and painted by PaintCreditLine. Does nothing when either is missing.
void FillCreditsList(const TCreditsList* credits, QTreeWidget* list);
// Colour and style of a line from its credit; a line without one is left as it is.
void PaintCreditLine(QTreeWidget* list, QTreeWidgetItem* line);
// The credit a line refers to, or nullptr.
const TCredit* CreditOfLine(const QTreeWidgetItem* line);
