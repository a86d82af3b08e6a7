#include "support/WindowTestSupport.h"

#include "domain/Abort.h"
#include "ui/ApplicationErrors.h"

#include <QPushButton>
#include <optional>
#include <stdexcept>

namespace {
// An object whose event handler runs the given command.
class TCommandTarget : public QObject
{
public:
    std::function<void()> command;
    int handled = 0;

    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++handled;
        command();
        return true;
    }
};
}

class TestVarnelApplication : public QObject
{
    Q_OBJECT

    std::optional<TShownBoxes> m_shown;
    const QList<TMessageBoxRequest>& Boxes() const { return m_shown->Boxes; }

private slots:
    void init() { m_shown.emplace(); }
    void cleanup() { m_shown.reset(); }

    void titleIsVarnel() { QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Varnel")); }

    void standardButtonsSpeakRussian()
    {
        QMessageBox box(QMessageBox::Warning, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Да"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Нет"));
    }

    void fullStopRule_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Кредит не задан" << "Кредит не задан.";
        QTest::newRow("full stop") << "Должник не задан." << "Должник не задан.";
        QTest::newRow("exclamation") << "Ошибка!" << "Ошибка!";
        QTest::newRow("comma") << "Ошибка," << "Ошибка,";
        QTest::newRow("blank") << "Ошибка " << "Ошибка ";
        QTest::newRow("closing parenthesis") << "Ошибка (код 5)" << "Ошибка (код 5)";
        QTest::newRow("digit") << "Ошибка 5" << "Ошибка 5.";
        QTest::newRow("closing quote") << "Нет файла «a.s3db»" << "Нет файла «a.s3db».";
        QTest::newRow("empty") << "" << "";
    }
    void fullStopRule()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ApplicationErrorText(message), shown);
    }

    void escapedErrorIsShownAndTheProgramGoesOn_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("system error") << 0 << "Кредит не найден.";
        QTest::newRow("library error") << 1 << "vector too long.";
    }
    void escapedErrorIsShownAndTheProgramGoesOn()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        TCommandTarget target;
        target.command = [kind] {
            if (kind == 0)
                throw Exception(QStringLiteral("Кредит не найден"));
            throw std::length_error("vector too long");
        };

        QEvent command(QEvent::User);
        QCoreApplication::sendEvent(&target, &command);
        QCOMPARE(Boxes().size(), 1);
        QCOMPARE(Boxes()[0].Caption, QStringLiteral("Varnel"));
        QCOMPARE(Boxes()[0].Text, text);
        QCOMPARE(Boxes()[0].Icon, QMessageBox::Critical);
        QCOMPARE(Boxes()[0].Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

        // The next command is handled as usual.
        target.command = [] {};
        QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
        QTRY_COMPARE(target.handled, 2);
        QCOMPARE(Boxes().size(), 1);
    }

    void abortShowsNothing()
    {
        TCommandTarget target;
        target.command = [] { throw EAbort(); };
        QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
        QTRY_COMPARE(target.handled, 1);
        QCOMPARE(Boxes().size(), 0);
    }
};

VARNEL_TEST_MAIN(TestVarnelApplication)

#include "TestVarnelApplication.moc"
