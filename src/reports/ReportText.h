#pragma once

#include <QList>
#include <QString>

// How a value is written into a document.
enum class TReportValueFormat {
    Text,     // as given
    Money,    // ru_RU currency format, two decimals: "1 234,50 ₽"
    Amount,   // two decimals with grouping, no currency sign: "1 234,50"
    Date,     // short date: "15.02.2009"
    DateTime, // short date and hh:mm
    Integer   // decimal digits
};

// One piece of a template text: a literal, or a value put in as text.
struct TReportTextPiece
{
    enum class TKind {
        Literal,
        Value,      // [Name]: through the value callback
        Sum,        // [SUM(Name)]: exact money sum over the rows of the main data set
        List,       // [LIST(Name, д. Name)]: the values that are not empty, each after its
                    // prefix, joined by ", "
        Count,      // [COUNT]: rows of the main data set
        LineNumber  // [#]: row number inside the repeated band
    };
    TKind Kind = TKind::Literal;
    QString Text; // the literal, or the name
    QList<QPair<QString, QString>> Items; // of a list: prefix and name
    TReportValueFormat Format = TReportValueFormat::Text;
};

// A line of template text with its [..] values; "[[" stands for a literal "[".
class TReportText
{
public:
    TReportText() = default;
    // Raises ETemplateFormatException with the reason (without file and line).
    static TReportText Parse(const QString& source);

    const QList<TReportTextPiece>& Pieces() const { return m_pieces; }
    bool IsEmpty() const { return m_pieces.isEmpty(); }

private:
    QList<TReportTextPiece> m_pieces;
};
