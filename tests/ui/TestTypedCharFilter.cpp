#include "ui/TypedCharFilter.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

class TestTypedCharFilter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void typedCharacters_data()
    {
        QTest::addColumn<bool>("separator");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits only") << false << "1a-+ 2x" << "12";
        QTest::newRow("no separator unless asked") << false << "1,2.3" << "123";
        QTest::newRow("point becomes the separator") << true << "12.5" << "12,5";
        QTest::newRow("comma is the separator") << true << "12,5" << "12,5";
        QTest::newRow("Cyrillic letters") << true << QStringLiteral("1Ю2") << "12";
    }
    void typedCharacters()
    {
        QFETCH(bool, separator);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit edit;
        TTypedCharFilter::Install(&edit, {.DecimalSeparator = separator});
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(edit.text(), shown);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), shown.chopped(1));
    }

    // Select all, undo and redo always work; cut goes with copy; copy and
    // paste only as configured, by either of their keys.
    void shortcuts_data()
    {
        QTest::addColumn<bool>("copy");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("text");
        QTest::newRow("copy and paste") << true << true << "12" << "1212";
        QTest::newRow("paste only") << false << true << "" << "1212";
        QTest::newRow("neither") << false << false << "" << "";
    }
    void shortcuts()
    {
        QFETCH(bool, copy);
        QFETCH(bool, paste);
        QFETCH(QString, clipboard);
        QFETCH(QString, text);
        QLineEdit edit;
        TTypedCharFilter::Install(&edit, {.Copy = copy, .Paste = paste});
        QApplication::clipboard()->clear();
        QTest::keyClicks(&edit, QStringLiteral("12"));
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit.selectedText(), QStringLiteral("12"));
        QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(edit.text(), copy ? QString() : QStringLiteral("12"));
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
        if (copy) { // undo brings the cut text back, redo cuts it again
            QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(edit.text(), QStringLiteral("12"));
            QTest::keyClick(&edit, Qt::Key_Y, Qt::ControlModifier);
            QCOMPARE(edit.text(), QString());
            QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(edit.text(), QStringLiteral("12"));
        }
        QApplication::clipboard()->clear();
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), clipboard);

        QApplication::clipboard()->setText(QStringLiteral("12"));
        edit.clear();
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(edit.text(), text);
    }
};

QTEST_MAIN(TestTypedCharFilter)
#include "TestTypedCharFilter.moc"
