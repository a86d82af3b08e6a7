#include "BenchCommon.h"

#include "demo/DemoLoanBook.h"
#include "sqlite/ResultSet.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <random>

DateTime DemoBookNow()
{
    return DateTime(QDate(2025, 6, 15), QTime(8, 0));
}

QString EnsureDemoBook(const QString& folder, int debtors, QTextStream& out)
{
    QDir().mkpath(folder);
    const QString book = QDir(folder).filePath(QStringLiteral("varnel-demo-%1.s3db").arg(debtors));
    if (QFile::exists(book))
        return book;
    out << QStringLiteral("Создаётся демонстрационная база на %1 должников: %2 (это надолго)...").arg(debtors).arg(book)
        << Qt::endl;
    // Made under another name first: an interrupted run leaves nothing to reuse.
    const QString partial = book + QStringLiteral(".part");
    QFile::remove(partial);
    const double ms = TimeMs([&] { TDemoLoanBook(debtors, 1).Create(partial); });
    QFile::rename(partial, book);
    out << QStringLiteral("Готово за %1 с.").arg(ms / 1000, 0, 'f', 1) << Qt::endl;
    return book;
}

qint64 ReadAll(TResultSet& result)
{
    qint64 characters = 0;
    for (int row = 0; row < result.RowCount(); ++row)
        for (int column = 0; column < result.ColumnCount(); ++column)
            characters += result.Text(row, column).size();
    return characters;
}

std::vector<int> SomeIDs(int maxID, int count, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<int> ids;
    for (int i = 0; i < count; ++i)
        ids.push_back(1 + int(random() % std::uint32_t(maxID)));
    return ids;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto index = std::size_t(std::ceil(fraction * double(values.size()))) - 1;
    return values[std::min(index, values.size() - 1)];
}

TTimes TimeInTurns(const TOperation& operation, int rounds, const std::function<void()>& bare)
{
    const auto prepare = [&] {
        if (operation.Prepare)
            operation.Prepare();
    };
    prepare();
    bare();
    std::vector<double> programMs;
    std::vector<double> bareMs;
    // Quick operations are repeated more: their medians shake more on a busy machine.
    for (int round = 0; round < rounds || (round < 3 * rounds && Median(programMs) < 300); ++round) {
        // Taking turns at going first, so that neither always finds the caches warmer.
        const auto timeProgram = [&] {
            prepare();
            programMs.push_back(TimeMs([&] { operation.Run(); }));
        };
        const auto timeBare = [&] {
            prepare();
            bareMs.push_back(TimeMs(bare));
        };
        if (round % 2 == 0) {
            timeProgram();
            timeBare();
        } else {
            timeBare();
            timeProgram();
        }
    }
    return { Median(programMs), Median(bareMs) };
}

void PrintTimesTable(QTextStream& out, const QString& programSide, const QString& bareSide,
                     const std::vector<TOperation>& operations, const QString& only,
                     const std::function<TTimes(const TOperation&)>& measure)
{
    out << QStringLiteral("| Операция | Вызовов | %1, мс | %2, мс | Отношение |").arg(programSide, bareSide) << Qt::endl
        << QStringLiteral("|---|---:|---:|---:|---:|") << Qt::endl;
    for (const TOperation& operation : operations) {
        if (!operation.Name.contains(only, Qt::CaseInsensitive))
            continue;
        const TTimes times = measure(operation);
        out << QStringLiteral("| %1 | %2 | %3 | %4 | %5 |")
                   .arg(operation.Name)
                   .arg(operation.Calls)
                   .arg(times.ProgramMs, 0, 'f', 2)
                   .arg(times.BareMs, 0, 'f', 2)
                   .arg(times.ProgramMs / times.BareMs, 0, 'f', 2)
            << Qt::endl;
    }
}
