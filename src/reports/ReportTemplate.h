#pragma once

#include "ReportText.h"

#include <QList>
#include <QString>

// A report template as read from its .frf file (the format is described in
// Reports/README.md): page settings and a list of blocks from top to bottom.
class TReportTemplate
{
public:
    enum class TParagraphStyle { Normal, Title, Subtitle };

    struct TColumn
    {
        int WidthPercent = 0;
        Qt::Alignment Alignment = Qt::AlignLeft;
        TReportText Caption; // band tables only
        TReportText Cell;    // band tables only
    };

    struct TRow
    {
        QList<TReportText> Cells;
        bool Bold = false;
    };

    struct TBlock
    {
        enum class TKind { Paragraph, Gap, Rule, PageBreak, Grid, Table };
        TKind Kind = TKind::Paragraph;
        // Paragraph
        TReportText Text;
        Qt::Alignment Alignment = Qt::AlignJustify;
        TParagraphStyle Style = TParagraphStyle::Normal;
        bool Bold = false;
        bool Italic = false;
        bool Small = false;
        bool Indented = false;
        // Gap
        int Lines = 1;
        // Grid and band table
        bool Framed = false;
        QList<TColumn> Columns;
        QList<TRow> Rows; // grid rows, or the total rows under a band table
    };

    // Raises EReportNotFoundException when the file is missing and
    // ETemplateFormatException naming the file and line when it cannot be read.
    static TReportTemplate Load(const QString& path);
    static TReportTemplate Parse(const QString& source, const QString& fileName);

    QString FontFamily = QStringLiteral("DejaVu Serif");
    int FontPointSize = 10;
    // The document's name, offered as the name of a saved PDF.
    TReportText DocumentName;
    QList<TBlock> Blocks;
};
