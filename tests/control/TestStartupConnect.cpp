#include "support/LoanBookFiles.h"
#include "support/StartupSandbox.h"

#include "control/StartUpController.h"
#include "support/TestProgram.h"

#include <QFileInfo>
#include <QTest>

// The start-up with its two questions answered by a script instead of the
// user: which it asks, in which order, and where it opens the dialog.
class TestStartupConnect : public QObject
{
    Q_OBJECT

    std::unique_ptr<TStartupSandbox> m_sandbox;
    QStringList m_asked;
    // "yes"/"no" for the question; a file or "cancel" for the dialog.
    QStringList m_answers;

    TStartUpQuestions Scripted()
    {
        return {[this](const QString& caption, const QString& text) {
                    m_asked << caption + QStringLiteral(" | ") + text;
                    return !m_answers.isEmpty() && m_answers.takeFirst() == QLatin1String("yes");
                },
                [this](const QString& current) -> std::optional<QString> {
                    m_asked << QStringLiteral("dialog in ")
                            + (current.isEmpty() ? QString() : QFileInfo(current).absolutePath());
                    const QString answer = m_answers.isEmpty() ? QStringLiteral("cancel") : m_answers.takeFirst();
                    if (answer == QLatin1String("cancel"))
                        return std::nullopt;
                    return answer;
                }};
    }

private slots:
    void init()
    {
        m_sandbox = std::make_unique<TStartupSandbox>();
        m_asked.clear();
        m_answers.clear();
    }
    void cleanup() { m_sandbox.reset(); }

    void questionsAsked_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("connected");
        const QString failure = QStringLiteral("Проблемы при подключении к базе данных. | При подключении к базе "
                                               "данных возникла ошибка.\r\nНастроить подключение снова?");
        const QString inDir = QStringLiteral("dialog in DIR");
        QTest::newRow("stored book opens") << int(cmStoredSettings) << "GOOD" << QStringList() << QStringList() << true;
        QTest::newRow("stored book gone, no") << int(cmStoredSettings) << "GONE" << QStringList{"no"}
                                              << QStringList{failure} << false;
        QTest::newRow("stored book gone, yes, another book")
            << int(cmStoredSettings) << "GONE" << QStringList{"yes", "GOOD"} << QStringList{failure, inDir} << true;
        QTest::newRow("stored book gone, yes, cancel, no")
            << int(cmStoredSettings) << "GONE" << QStringList{"yes", "cancel", "no"}
            << QStringList{failure, inDir, failure} << false;
        QTest::newRow("nothing stored: the dialog first")
            << int(cmStoredSettings) << "" << QStringList{"GOOD"} << QStringList{"dialog in "} << true;
        QTest::newRow("given book gone asks nothing") << int(cmGivenFile) << "GONE" << QStringList() << QStringList()
                                                      << false;
        QTest::newRow("no book given: the dialog, cancelled") << int(cmGivenFile) << "" << QStringList{"cancel"}
                                                              << QStringList{"dialog in "} << false;
        QTest::newRow("reconfigure asks for the book") << int(cmReconfigure) << "" << QStringList{"GOOD"}
                                                       << QStringList{"dialog in "} << true;
    }
    void questionsAsked()
    {
        QFETCH(int, mode);
        QFETCH(QString, file);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, asked);
        QFETCH(bool, connected);
        const QDir dir = m_sandbox->Dir();
        const QString good = LoanBookFiles::Good(dir);
        const QString gone = dir.filePath(QStringLiteral("gone.s3db"));
        file.replace(QStringLiteral("GOOD"), good).replace(QStringLiteral("GONE"), gone);
        answers.replaceInStrings(QStringLiteral("GOOD"), good);
        asked.replaceInStrings(QStringLiteral("DIR"), dir.absolutePath());
        m_answers = answers;
        const bool given = mode == cmGivenFile;
        if (!given)
            m_sandbox->StoreConnectionString(file);

        TTestProgram program(Scripted());
        TStartUpController& controller = program.StartUp;
        QCOMPARE(controller.ConnectToDatabase(TConnectMode(mode), given ? file : QString()), connected);
        QCOMPARE(m_asked, asked);
        QVERIFY(m_answers.isEmpty());
        if (connected)
            QCOMPARE(controller.ConnectedFileName(), good);
    }
};

QTEST_MAIN(TestStartupConnect)
#include "TestStartupConnect.moc"
