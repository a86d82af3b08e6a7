#include "UrlCatcher.h"
#include "support/WindowTestSupport.h"

#include "domain/ProgramVersion.h"
#include "extras/AboutForm.h"
#include "ui/LinkLabel.h"
#include "ui/ModalDialogs.h"

#include <QLineEdit>
#include <QUrlQuery>

namespace {
TProductDetails Details(QString supportAddress, QString webSite)
{
    TProductDetails details = TProductDetails::BuiltIn();
    details.SupportAddress = std::move(supportAddress);
    details.WebSite = std::move(webSite);
    return details;
}
}

class TestAboutForm : public QObject
{
    Q_OBJECT

private slots:
    void ShowsTheBuildsVersion()
    {
        QCOMPARE(ProgramVersion(), QStringLiteral(VARNEL_EXPECTED_VERSION));
        TAboutForm about;
        QString shown;
        const TSeamAnswer run(SetModalHandler, [&](QDialog& dialog) {
            dialog.show();
            shown = Find<QLineEdit>(&dialog, "VersionEdit")->text();
            return int(QDialog::Accepted);
        });
        QVERIFY(about.Execute());
        QCOMPARE(shown, QStringLiteral(VARNEL_EXPECTED_VERSION));
        QCOMPARE(about.windowTitle(), QStringLiteral("О программе"));
        QCOMPARE(LabelText(&about, "ProductLabel"), QStringLiteral("Varnel"));
        QCOMPARE(LabelText(&about, "DescriptionLabel"), QStringLiteral("— это система управления кредитами."));
        QVERIFY(!Find<QLabel>(&about, "IconLabel")->pixmap().isNull());
    }

    void OkAndEscape_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ok");
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
    }

    void OkAndEscape()
    {
        QFETCH(int, key);
        QFETCH(bool, ok);
        TAboutForm about;
        WhenOpen<QDialog>([key](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key(key)); }, &about);
        QCOMPARE(about.exec() == QDialog::Accepted, ok);
    }

    void WritesToSupport()
    {
        TUrlCatcher mail;
        TAboutForm about(nullptr, Details(QStringLiteral("help@maker.example"), QStringLiteral("https://maker.example")));
        about.show();
        auto* link = Find<TLinkLabel>(&about, "Label4");
        QVERIFY(link->isVisible());
        QCOMPARE(link->text(), QStringLiteral("Написать письмо разработчикам"));
        QCOMPARE(link->toolTip(), QStringLiteral("help@maker.example"));
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(mail.Opened.size(), 1);
        const QUrl url = mail.Opened.first();
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), QStringLiteral("help@maker.example"));
        QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Вопросы и предложения Varnel"));
    }

    void OpensTheMakersSite()
    {
        TUrlCatcher browser;
        TAboutForm about(nullptr, Details(QStringLiteral("help@maker.example"), QStringLiteral("https://maker.example/")));
        about.show();
        auto* maker = Find<TLinkLabel>(&about, "Label2");
        QVERIFY(maker->isVisible());
        QVERIFY(!maker->font().underline());
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(maker, &enter);
        QVERIFY(maker->font().underline());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(maker, &leave);
        QVERIFY(!maker->font().underline());
        QTest::mouseClick(maker, Qt::LeftButton);
        QCOMPARE(browser.Opened, QList<QUrl>{QUrl(QStringLiteral("https://maker.example/"))});
    }

    void EmptySettingsHideTheirLinks_data()
    {
        QTest::addColumn<QString>("supportAddress");
        QTest::addColumn<QString>("webSite");
        QTest::newRow("no support address") << "" << "https://maker.example";
        QTest::newRow("no web site") << "help@maker.example" << "";
        QTest::newRow("neither") << "" << "";
    }

    void EmptySettingsHideTheirLinks()
    {
        QFETCH(QString, supportAddress);
        QFETCH(QString, webSite);
        TAboutForm about(nullptr, Details(supportAddress, webSite));
        about.show();
        QCOMPARE(Find<QLabel>(&about, "Label4")->isVisible(), !supportAddress.isEmpty());
        QCOMPARE(Find<QLabel>(&about, "Label2")->isVisible(), !webSite.isEmpty());
    }
};

VARNEL_TEST_MAIN(TestAboutForm)
#include "TestAboutForm.moc"
