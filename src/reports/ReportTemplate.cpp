#include "ReportTemplate.h"

#include "ReportExceptions.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>

namespace {

using TBlock = TReportTemplate::TBlock;
using TColumn = TReportTemplate::TColumn;

// Splits "word rest" at the first blank.
QString TakeWord(QString& line)
{
    line = line.trimmed();
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    const QString word = blank < 0 ? line : line.left(blank);
    line = blank < 0 ? QString() : line.mid(blank + 1).trimmed();
    return word;
}

QList<TReportText> Cells(const QString& source)
{
    QList<TReportText> cells;
    for (const QString& cell : source.split(QLatin1Char('|')))
        cells.append(TReportText::Parse(cell.trimmed()));
    return cells;
}

Qt::Alignment AlignmentNamed(const QString& name)
{
    if (name == QLatin1String("left"))
        return Qt::AlignLeft;
    if (name == QLatin1String("center"))
        return Qt::AlignHCenter;
    if (name == QLatin1String("right"))
        return Qt::AlignRight;
    throw ETemplateFormatException(QStringLiteral("неизвестное выравнивание «%1»").arg(name));
}

// "30" or "30:right": a width in per cent of the line and an alignment.
TColumn ColumnSpec(const QString& spec)
{
    TColumn column;
    const QStringList parts = spec.split(QLatin1Char(':'));
    bool ok = false;
    column.WidthPercent = parts.at(0).toInt(&ok);
    if (!ok || column.WidthPercent <= 0 || column.WidthPercent > 100)
        throw ETemplateFormatException(QStringLiteral("неверная ширина столбца «%1»").arg(spec));
    if (parts.size() > 1)
        column.Alignment = AlignmentNamed(parts.at(1));
    return column;
}

// The text of a template file. A file that is empty, or not text in UTF-8 (a
// binary file among them), is refused by name without quoting any of it.
QString TemplateText(const QByteArray& bytes, const QString& path)
{
    const auto refuse = [&path](const QString& reason) {
        return ETemplateFormatException(QStringLiteral("Ошибка в шаблоне %1: %2").arg(path, reason));
    };
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // An editor's byte order mark is no part of the first command.
    QString text = decoder.decode(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    const bool control = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control && c != QLatin1Char('\n') && c != QLatin1Char('\r')
            && c != QLatin1Char('\t');
    });
    if (decoder.hasError() || control)
        throw refuse(QStringLiteral("это не текст в кодировке UTF-8"));
    if (text.trimmed().isEmpty())
        throw refuse(QStringLiteral("файл пуст"));
    return text;
}

class TTemplateParser
{
public:
    explicit TTemplateParser(TReportTemplate& result) : m_result(result) {}

    void ParseLine(QString line)
    {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            return;
        QString rest = trimmed;
        const QString word = TakeWord(rest);
        if (m_open)
            ParseInsideBlock(word, rest);
        else
            ParseTopLevel(word, rest);
    }

    void Finish()
    {
        if (m_open)
            throw ETemplateFormatException(QStringLiteral("нет строки «end» в конце таблицы"));
    }

private:
    void ParseTopLevel(const QString& word, QString rest)
    {
        if (word == QLatin1String("font")) {
            const qsizetype comma = rest.lastIndexOf(QLatin1Char(','));
            bool ok = false;
            const int size = comma < 0 ? 0 : rest.mid(comma + 1).trimmed().toInt(&ok);
            if (!ok || size < 4 || size > 72)
                throw ETemplateFormatException(QStringLiteral("ожидается «font Название, размер»"));
            m_result.FontFamily = rest.left(comma).trimmed();
            m_result.FontPointSize = size;
        } else if (word == QLatin1String("name")) {
            m_result.DocumentName = TReportText::Parse(rest);
        } else if (word == QLatin1String("gap")) {
            TBlock block;
            block.Kind = TBlock::TKind::Gap;
            block.Lines = rest.isEmpty() ? 1 : rest.toInt();
            if (block.Lines < 1 || block.Lines > 50)
                throw ETemplateFormatException(QStringLiteral("неверное число строк «%1»").arg(rest));
            m_result.Blocks.append(block);
        } else if (word == QLatin1String("rule")) {
            AppendBlockOf(TBlock::TKind::Rule);
        } else if (word == QLatin1String("pagebreak")) {
            AppendBlockOf(TBlock::TKind::PageBreak);
        } else if (word == QLatin1String("grid") || word == QLatin1String("box")) {
            TBlock block;
            block.Kind = TBlock::TKind::Grid;
            block.Framed = word == QLatin1String("box");
            for (const QString& spec : rest.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                block.Columns.append(ColumnSpec(spec));
            if (block.Columns.isEmpty())
                throw ETemplateFormatException(QStringLiteral("не заданы столбцы"));
            Open(block);
        } else if (word == QLatin1String("table")) {
            TBlock block;
            block.Kind = TBlock::TKind::Table;
            block.Framed = true;
            Open(block);
        } else {
            ParseParagraph(word, rest);
        }
    }

    // [bold] [italic] [small] text|indent|left|center|right|title|subtitle <text>
    void ParseParagraph(QString word, QString rest)
    {
        TBlock block;
        bool styled = false;
        while (word == QLatin1String("bold") || word == QLatin1String("italic") || word == QLatin1String("small")) {
            (word == QLatin1String("bold") ? block.Bold : word == QLatin1String("italic") ? block.Italic : block.Small) = true;
            styled = true;
            word = TakeWord(rest);
        }
        static const QStringList kinds { QStringLiteral("text"),   QStringLiteral("indent"), QStringLiteral("title"),
                                         QStringLiteral("subtitle"), QStringLiteral("left"), QStringLiteral("center"),
                                         QStringLiteral("right") };
        // "small Текст": a styled line without a kind is a plain one.
        if (styled && !kinds.contains(word)) {
            rest = rest.isEmpty() ? word : word + QLatin1Char(' ') + rest;
            word = QStringLiteral("text");
        }
        if (word == QLatin1String("text")) {
            block.Alignment = Qt::AlignJustify;
        } else if (word == QLatin1String("indent")) {
            block.Alignment = Qt::AlignJustify;
            block.Indented = true;
        } else if (word == QLatin1String("title") || word == QLatin1String("subtitle")) {
            block.Alignment = Qt::AlignHCenter;
            block.Style = word == QLatin1String("title") ? TReportTemplate::TParagraphStyle::Title
                                                         : TReportTemplate::TParagraphStyle::Subtitle;
        } else if (word == QLatin1String("left") || word == QLatin1String("center") || word == QLatin1String("right")) {
            block.Alignment = AlignmentNamed(word);
        } else {
            throw ETemplateFormatException(QStringLiteral("неизвестная команда «%1»").arg(word));
        }
        block.Text = TReportText::Parse(rest);
        m_result.Blocks.append(block);
    }

    void ParseInsideBlock(const QString& word, const QString& rest)
    {
        if (word == QLatin1String("end")) {
            if (m_block.Columns.isEmpty())
                throw ETemplateFormatException(QStringLiteral("таблица без столбцов"));
            m_result.Blocks.append(m_block);
            m_open = false;
        } else if (m_block.Kind == TBlock::TKind::Table && word == QLatin1String("column")) {
            QString spec = rest;
            TColumn column = ColumnSpec(TakeWord(spec));
            const qsizetype bar = spec.indexOf(QLatin1Char('|'));
            if (bar < 0)
                throw ETemplateFormatException(QStringLiteral("ожидается «column ширина Заголовок | значение»"));
            column.Caption = TReportText::Parse(spec.left(bar).trimmed());
            column.Cell = TReportText::Parse(spec.mid(bar + 1).trimmed());
            m_block.Columns.append(column);
        } else if ((m_block.Kind == TBlock::TKind::Table && (word == QLatin1String("total") || word == QLatin1String("boldtotal")))
                   || (m_block.Kind == TBlock::TKind::Grid && (word == QLatin1String("row") || word == QLatin1String("boldrow")))) {
            TReportTemplate::TRow row { Cells(rest), word.startsWith(QLatin1String("bold")) };
            if (row.Cells.size() > m_block.Columns.size())
                throw ETemplateFormatException(QStringLiteral("ячеек больше, чем столбцов"));
            m_block.Rows.append(row);
        } else {
            throw ETemplateFormatException(QStringLiteral("неизвестная команда «%1» внутри таблицы").arg(word));
        }
    }

    void AppendBlockOf(TBlock::TKind kind)
    {
        TBlock block;
        block.Kind = kind;
        m_result.Blocks.append(block);
    }

    void Open(const TBlock& block)
    {
        m_block = block;
        m_open = true;
    }

    TReportTemplate& m_result;
    TBlock m_block;
    bool m_open = false;
};

}

TReportTemplate TReportTemplate::Parse(const QString& source, const QString& fileName)
{
    TReportTemplate result;
    TTemplateParser parser(result);
    const QStringList lines = source.split(QLatin1Char('\n'));
    int lineNumber = 0;
    try {
        for (const QString& line : lines) {
            ++lineNumber;
            parser.ParseLine(line);
        }
        parser.Finish();
    } catch (const ETemplateFormatException& error) {
        throw ETemplateFormatException(
            QStringLiteral("Ошибка в шаблоне %1, строка %2: %3").arg(fileName).arg(lineNumber).arg(error.Message()));
    }
    return result;
}

TReportTemplate TReportTemplate::Load(const QString& path)
{
    QFile file(path);
    if (!QFileInfo::exists(path))
        throw EReportNotFoundException(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ETemplateFormatException(QStringLiteral("Шаблон %1 не читается: %2").arg(path, file.errorString()));
    return Parse(TemplateText(file.readAll(), path), path);
}
