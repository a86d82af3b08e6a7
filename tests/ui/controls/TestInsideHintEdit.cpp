#include "ui/controls/InsideHintEdit.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

namespace {
const QColor Silver(192, 192, 192);
const QString Hint = QStringLiteral("Начните набирать");

// Whether the hint's glyphs are painted: the hint leaves a few dozen pixels of
// exactly its colour, where typed text's smoothing leaves one or two at most.
bool Painted(QWidget& widget, const QColor& color)
{
    const QImage image = widget.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).rgb() == color.rgb();
    return count >= 10;
}

// A window with the field and a second field to move the focus to.
struct TForm
{
    QWidget window;
    TInsideHintEdit* edit = new TInsideHintEdit(&window);
    TInsideHintEdit* other = new TInsideHintEdit(&window);

    TForm()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(other);
        edit->setObjectName(QStringLiteral("NameFilterEdit"));
        edit->SetInsideHint(Hint);
        window.resize(300, 80);
        window.show();
        QApplication::setActiveWindow(&window);
        other->setFocus();
    }
    bool Focus(QWidget* widget)
    {
        widget->setFocus();
        return QTest::qWaitFor([widget] { return widget->hasFocus(); });
    }
};
}

class TestInsideHintEdit : public QObject
{
    Q_OBJECT

private slots:
    void defaults()
    {
        TInsideHintEdit edit;
        QVERIFY(edit.InsideHint().isEmpty());
        QCOMPARE(edit.InsideHintColor(), Silver);
        QVERIFY(!edit.IsClearOnEnter());
        QVERIFY(!edit.IsInsideHintShown());
    }

    void hintShownOnlyWhileEmpty()
    {
        TForm form;
        QVERIFY(form.Focus(form.edit));
        QVERIFY(form.edit->IsInsideHintShown());
        QVERIFY(Painted(*form.edit, Silver));

        QTest::keyClicks(form.edit, QStringLiteral("I"));
        QCOMPARE(form.edit->text(), QStringLiteral("I"));
        QVERIFY(!form.edit->IsInsideHintShown());
        QVERIFY(!Painted(*form.edit, Silver));

        QTest::keyClick(form.edit, Qt::Key_Backspace);
        QVERIFY(form.edit->text().isEmpty());
        QVERIFY(form.edit->IsInsideHintShown());
        QVERIFY(Painted(*form.edit, Silver));
    }

    void hintFollowsFocus_data()
    {
        QTest::addColumn<bool>("clearOnEnter");
        QTest::newRow("stays on focus") << false;
        QTest::newRow("clears on focus") << true;
    }
    void hintFollowsFocus()
    {
        QFETCH(bool, clearOnEnter);
        TForm form;
        form.edit->SetIsClearOnEnter(clearOnEnter);
        QVERIFY(form.edit->IsInsideHintShown());

        QVERIFY(form.Focus(form.edit));
        QVERIFY(form.edit->text().isEmpty());
        QCOMPARE(form.edit->IsInsideHintShown(), !clearOnEnter);
        QCOMPARE(Painted(*form.edit, Silver), !clearOnEnter);

        QVERIFY(form.Focus(form.other));
        QVERIFY(form.edit->IsInsideHintShown());
        QVERIFY(Painted(*form.edit, Silver));
    }

    void hintDrawnInItsColourAndNeverPartOfText()
    {
        TForm form;
        const QColor red(200, 0, 0);
        form.edit->SetInsideHintColor(red);
        QVERIFY(Painted(*form.edit, red));
        QVERIFY(!Painted(*form.edit, Silver));
        QVERIFY(form.edit->text().isEmpty());

        form.edit->SetInsideHint(QString());
        QVERIFY(!form.edit->IsInsideHintShown());
        QVERIFY(!Painted(*form.edit, red));
    }

    void programmaticTextHidesHint()
    {
        TForm form;
        form.edit->setText(QStringLiteral("Иванов"));
        QVERIFY(!Painted(*form.edit, Silver));
        form.edit->clear();
        QVERIFY(Painted(*form.edit, Silver));
    }
};

QTEST_MAIN(TestInsideHintEdit)
#include "TestInsideHintEdit.moc"
