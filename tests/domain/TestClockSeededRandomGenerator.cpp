#include "support/ClockPin.h"
#include "domain/ClockSeededRandomGenerator.h"

#include <QTest>

namespace {
QList<int> Draws(TClockSeededRandomGenerator& generator, int range)
{
    QList<int> draws;
    for (int i = 0; i < 8; ++i)
        draws << generator.Random(range);
    return draws;
}
}

class TestClockSeededRandomGenerator : public QObject
{
    Q_OBJECT

    std::unique_ptr<TClockPin> m_clock;

private slots:
    void init() { m_clock = std::make_unique<TClockPin>(DateTime::FromYMD(2009, 3, 1, 10, 15)); }
    void cleanup() { m_clock.reset(); }

    void theClockSeedsTheGenerator()
    {
        TClockSeededRandomGenerator first;
        TClockSeededRandomGenerator second;
        const QList<int> firstDraws = Draws(first, 10);
        for (const int draw : firstDraws)
            QVERIFY(draw >= 0 && draw <= 9);
        QCOMPARE(Draws(second, 10), firstDraws);
        m_clock->Set(DateTime::FromYMD(2009, 3, 1, 10, 16));
        TClockSeededRandomGenerator later;
        QVERIFY(Draws(later, 10) != firstDraws);
    }

    void aRangeOfOneOrLessGivesZero()
    {
        TClockSeededRandomGenerator generator;
        QCOMPARE(Draws(generator, 1), QList<int>(8, 0));
        QCOMPARE(generator.Random(0), 0);
    }
};

QTEST_GUILESS_MAIN(TestClockSeededRandomGenerator)
#include "TestClockSeededRandomGenerator.moc"
