#pragma once

#include <QString>

class QWidget;

// Where to save a report as PDF. The dialog is the program's own, so that it
// speaks Russian whatever the desktop, and roomy; it lists names only, as a
// size or type column would bring untranslated units and words. Empty when cancelled.
QString AskPdfPath(QWidget* parent, const QString& documentTitle);

// The file name offered for a document: its whole title (a contract number
// with its slash included), each character a file system refuses or reads as
// a folder replaced by "_", and ".pdf".
QString PdfFileName(const QString& documentTitle);
