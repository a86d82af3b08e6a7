#include "support/WindowTestSupport.h"

#include "extras/HelpWindow.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

namespace {
// The manual as the build leaves it beside the programs.
QDir Manual()
{
    return QDir(QStringLiteral(VARNEL_BIN_DIR "/Help"));
}

QString ReadPage(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
}

class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    // Every link and picture of every page leads to a file of the manual,
    // and every page is listed in the contents.
    void pagesLinkOnlyToWhatIsShipped()
    {
        const QDir manual = Manual();
        const QStringList pages = manual.entryList({QStringLiteral("*.html")}, QDir::Files);
        QVERIFY(pages.contains(QStringLiteral("index.html")));
        const QString contents = ReadPage(manual.filePath(QStringLiteral("index.html")));
        const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"#]*)"));
        for (const QString& page : pages) {
            if (page != QLatin1String("index.html"))
                QVERIFY2(contents.contains(QStringLiteral("href=\"%1\"").arg(page)), qPrintable(page));
            auto matches = reference.globalMatch(ReadPage(manual.filePath(page)));
            while (matches.hasNext()) {
                const QString target = matches.next().captured(1);
                if (target.isEmpty() || target.contains(QLatin1Char(':')))
                    continue;
                QVERIFY2(QFileInfo::exists(manual.filePath(target)), qPrintable(page + " → " + target));
            }
        }
    }

    // F1 again raises the same window; its pages are walked back and forth.
    void opensTheContentsInOneWindow()
    {
        QWidget owner;
        const QString index = Manual().filePath(QStringLiteral("index.html"));
        ShowManual(index, &owner);
        ShowManual(index, &owner);
        const QList<THelpWindow*> windows = owner.findChildren<THelpWindow*>();
        QCOMPARE(windows.size(), 1);
        THelpWindow* window = windows.first();
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Помощь — Руководство кассира"));
        auto* back = Find<QPushButton>(window, "HelpBackButton");
        QVERIFY(!back->isEnabled());
        window->Browser()->setSource(QUrl(QStringLiteral("payment.html")));
        QCOMPARE(window->Browser()->source().fileName(), QStringLiteral("payment.html"));
        QVERIFY(back->isEnabled());
        back->click();
        QCOMPARE(window->Browser()->source().fileName(), QStringLiteral("index.html"));
        QTest::keyClick(window->Browser(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    void aMissingManualIsSaid()
    {
        QWidget owner;
        const TShownBoxes boxes;
        ShowManual(QStringLiteral("/nowhere/Help/index.html"), &owner);
        QCOMPARE(boxes.Boxes.size(), 1);
        QCOMPARE(boxes.Boxes.first().Icon, QMessageBox::Warning);
        QVERIFY(boxes.Boxes.first().Text.contains(QStringLiteral("/nowhere/Help/index.html")));
        QVERIFY(owner.findChildren<THelpWindow*>().isEmpty());
    }
};

VARNEL_TEST_MAIN(TestHelpWindow)
#include "TestHelpWindow.moc"
