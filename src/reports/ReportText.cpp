#include "ReportText.h"

#include "ReportExceptions.h"

#include <QRegularExpression>

namespace {

TReportValueFormat FormatNamed(const QString& name)
{
    static const struct
    {
        const char* Name;
        TReportValueFormat Format;
    } formats[] = { { "text", TReportValueFormat::Text },       { "money", TReportValueFormat::Money },
                    { "amount", TReportValueFormat::Amount },   { "date", TReportValueFormat::Date },
                    { "datetime", TReportValueFormat::DateTime }, { "int", TReportValueFormat::Integer } };
    for (const auto& format : formats) {
        if (name.compare(QLatin1String(format.Name), Qt::CaseInsensitive) == 0)
            return format.Format;
    }
    throw ETemplateFormatException(QStringLiteral("неизвестный формат «%1»").arg(name));
}

TReportTextPiece ValuePiece(const QString& expression)
{
    TReportTextPiece piece;
    QString name = expression.trimmed();
    // A format follows the whole value: a colon inside a list's brackets belongs to a prefix.
    qsizetype colon = name.lastIndexOf(QLatin1Char(':'));
    if (colon < name.lastIndexOf(QLatin1Char(')')))
        colon = -1;
    if (colon >= 0) {
        piece.Format = FormatNamed(name.mid(colon + 1).trimmed());
        name = name.left(colon).trimmed();
    }
    static const QRegularExpression sum(QStringLiteral("^SUM\\(\\s*(\\w+)\\s*\\)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression plainName(QStringLiteral("^\\w+$"));
    static const QRegularExpression list(QStringLiteral("^LIST\\((.*)\\)$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression listItem(QStringLiteral("^(.*?)(\\w+)$"));
    if (const QRegularExpressionMatch listMatch = list.match(name); listMatch.hasMatch()) {
        piece.Kind = TReportTextPiece::TKind::List;
        for (const QString& item : listMatch.captured(1).split(QLatin1Char(','))) {
            const QRegularExpressionMatch parts = listItem.match(item.trimmed());
            if (!parts.hasMatch())
                throw ETemplateFormatException(QStringLiteral("непонятный список «[%1]»").arg(expression));
            piece.Items.append({ parts.captured(1), parts.captured(2) });
        }
    } else if (const QRegularExpressionMatch sumMatch = sum.match(name); sumMatch.hasMatch()) {
        piece.Kind = TReportTextPiece::TKind::Sum;
        piece.Text = sumMatch.captured(1);
        if (colon < 0)
            piece.Format = TReportValueFormat::Money;
    } else if (name.compare(QLatin1String("COUNT"), Qt::CaseInsensitive) == 0) {
        piece.Kind = TReportTextPiece::TKind::Count;
    } else if (name == QLatin1String("#")) {
        piece.Kind = TReportTextPiece::TKind::LineNumber;
    } else if (plainName.match(name).hasMatch()) {
        piece.Kind = TReportTextPiece::TKind::Value;
        piece.Text = name;
    } else {
        throw ETemplateFormatException(QStringLiteral("непонятное значение «[%1]»").arg(expression));
    }
    return piece;
}

}

TReportText TReportText::Parse(const QString& source)
{
    TReportText text;
    QString literal;
    auto flushLiteral = [&] {
        if (!literal.isEmpty()) {
            TReportTextPiece piece;
            piece.Text = literal;
            text.m_pieces.append(piece);
        }
        literal.clear();
    };
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        if (c != QLatin1Char('[')) {
            literal += c;
            continue;
        }
        if (i + 1 < source.size() && source.at(i + 1) == QLatin1Char('[')) {
            literal += c;
            ++i;
            continue;
        }
        const qsizetype close = source.indexOf(QLatin1Char(']'), i + 1);
        if (close < 0)
            throw ETemplateFormatException(QStringLiteral("нет закрывающей скобки «]»"));
        flushLiteral();
        text.m_pieces.append(ValuePiece(source.mid(i + 1, close - i - 1)));
        i = close;
    }
    flushLiteral();
    return text;
}
