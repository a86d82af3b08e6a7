#include "ui/controls/HeadShakeForm.h"
#include "ui/controls/HeadShaker.h"

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <stdexcept>

namespace {
// Records the pauses instead of waiting; an optional hook runs in each pause
// the way a user's event would.
class TRecordingShaker : public THeadShaker
{
public:
    QList<int> pauses;
    std::function<void()> duringPause;

protected:
    void Pause(int ms) override
    {
        pauses << ms;
        if (duringPause)
            duringPause();
    }
};

const QPoint Start(120, 80);

// Offsets of the form's real position from its start, read at every move.
QList<int> RecordOffsets(THeadShaker& shaker, QWidget& form)
{
    auto offsets = std::make_shared<QList<int>>();
    QObject::connect(&shaker, &THeadShaker::Moved, &form,
                     [offsets, &form](int left) {
                         QCOMPARE(form.x(), left);
                         QCOMPARE(form.y(), Start.y());
                         *offsets << left - Start.x();
                     });
    shaker.ShakeForm(&form);
    return *offsets;
}
}

class TestHeadShaker : public QObject
{
    Q_OBJECT

private slots:
    void defaults()
    {
        THeadShaker shaker;
        QCOMPARE(shaker.ShakesCount(), 8);
        QCOMPARE(shaker.ShakeMaxAmplitude(), 20);
        QCOMPARE(shaker.ShakeFading(), 3);
        QCOMPARE(shaker.DelayTime(), 40);
    }

    void shakeVisitsOffsetsAndReturns_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("amplitude");
        QTest::addColumn<int>("fading");
        QTest::addColumn<QList<int>>("offsets");
        // The last swing of the defaults has amplitude -1, so its sign flips.
        QTest::newRow("defaults") << 8 << 20 << 3
                                  << QList<int>{20, -20, 17, -17, 14, -14, 11, -11, 8, -8, 5, -5, 2, -2, -1, 1, 0};
        QTest::newRow("two swings") << 2 << 10 << 4 << QList<int>{10, -10, 6, -6, 0};
        QTest::newRow("no swings") << 0 << 20 << 3 << QList<int>{0};
        QTest::newRow("negative count") << -3 << 20 << 3 << QList<int>{0};
    }
    void shakeVisitsOffsetsAndReturns()
    {
        QFETCH(int, count);
        QFETCH(int, amplitude);
        QFETCH(int, fading);
        QFETCH(QList<int>, offsets);
        QWidget form;
        form.move(Start);
        form.show();
        TRecordingShaker shaker;
        shaker.SetShakesCount(count);
        shaker.SetShakeMaxAmplitude(amplitude);
        shaker.SetShakeFading(fading);

        QCOMPARE(RecordOffsets(shaker, form), offsets);
        QCOMPARE(form.pos(), Start);
        QCOMPARE(shaker.pauses, QList<int>(offsets.size() - 1, 40));
    }

    void noFormDoesNothing()
    {
        TRecordingShaker shaker;
        QSignalSpy moved(&shaker, &THeadShaker::Moved);
        shaker.ShakeForm(nullptr);
        QCOMPARE(moved.count(), 0);
        QVERIFY(shaker.pauses.isEmpty());
    }

    void shakeRequestedDuringShakeIsIgnored()
    {
        QWidget form;
        form.move(Start);
        form.show();
        TRecordingShaker shaker;
        shaker.duringPause = [&] { shaker.ShakeForm(&form); };
        QCOMPARE(RecordOffsets(shaker, form).size(), 17);
        QCOMPARE(form.pos(), Start);
        QVERIFY(!shaker.IsShaking());
    }

    void formClosedAndFreedDuringShake()
    {
        auto* form = new QWidget;
        form->move(Start);
        form->show();
        TRecordingShaker shaker;
        QSignalSpy finished(&shaker, &THeadShaker::ShakeFinished);
        shaker.duringPause = [&] { delete form; };
        shaker.ShakeForm(form);
        QCOMPARE(shaker.pauses.size(), 1);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!shaker.IsShaking());
    }

    void exceptionDuringShakeRestoresForm()
    {
        QWidget form;
        form.move(Start);
        form.show();
        TRecordingShaker shaker;
        shaker.duringPause = [] { throw std::runtime_error("boom"); };
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, shaker.ShakeForm(&form));
        QCOMPARE(form.pos(), Start);
        QVERIFY(!shaker.IsShaking());
        shaker.duringPause = nullptr;
        QCOMPARE(RecordOffsets(shaker, form).size(), 17);
    }

    // The dialog's own shake, with real pauses, and the refused-OK reaction.
    void formShakeDisablesOkMeanwhile()
    {
        THeadShakeForm form;
        form.Shaker().SetDelayTime(1);
        form.move(Start);
        form.show();
        auto* okAction = new QAction(QStringLiteral("OK"), &form);
        auto* okButton = new QPushButton(QStringLiteral("OK"), &form);
        QList<bool> actionDuring, buttonDuring;
        connect(&form.Shaker(), &THeadShaker::Moved, &form, [&] {
            actionDuring << okAction->isEnabled();
            buttonDuring << okButton->isEnabled();
        });
        QSignalSpy finished(&form.Shaker(), &THeadShaker::ShakeFinished);

        form.ShakeWithDisabled(okAction);
        QCOMPARE(actionDuring, QList<bool>(17, false));
        QCOMPARE(buttonDuring, QList<bool>(17, true));
        actionDuring.clear();
        buttonDuring.clear();
        form.ShakeWithDisabled(okButton);
        QCOMPARE(actionDuring, QList<bool>(17, true));
        QCOMPARE(buttonDuring, QList<bool>(17, false));

        QCOMPARE(finished.count(), 2);
        QVERIFY(okAction->isEnabled());
        QVERIFY(okButton->isEnabled());
        QCOMPARE(form.pos(), Start);
    }

    void okEnabledAgainWhenShakeThrows()
    {
        THeadShakeForm form;
        form.move(Start);
        form.show();
        QAction okAction;
        connect(&form.Shaker(), &THeadShaker::Moved, &form, [] { throw std::runtime_error("boom"); });
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, form.ShakeWithDisabled(&okAction));
        QVERIFY(okAction.isEnabled());
        QCOMPARE(form.pos(), Start);
    }
};

QTEST_MAIN(TestHeadShaker)
#include "TestHeadShaker.moc"
