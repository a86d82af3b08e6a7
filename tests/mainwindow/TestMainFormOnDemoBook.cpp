#include "support/ClockPin.h"
#include "support/StartupSandbox.h"
#include "support/WindowTestSupport.h"

#include "settings/HistoryManager.h"
#include "control/SystemController.h"
#include "demo/DemoLoanBook.h"
#include "mainwindow/DebtorsGridModel.h"
#include "mainwindow/MainForm.h"
#include "support/TestProgram.h"
#include "ui/AddCreditForm.h"
#include "ui/AddDebtorForm.h"
#include "ui/CreditSelectForm.h"
#include "ui/PaymentForm.h"
#include "ui/PaymentsHistoryForm.h"
#include "ui/CreditsListPresentation.h"
#include "ui/controls/ConstraintedEdit.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QToolBar>

namespace {

QStringList Titles(const QAbstractItemModel& model)
{
    QStringList titles;
    for (int column = 0; column < model.columnCount(); ++column)
        titles << model.headerData(column, Qt::Horizontal).toString();
    return titles;
}

// A cell of the grid as shown, by column title.
QString Cell(const QAbstractItemModel& model, int row, const QString& title)
{
    return model.index(row, int(Titles(model).indexOf(title))).data().toString();
}

// Where the pictures of the window go when asked for (VARNEL_SCREENSHOTS=folder).
QString ScreenshotFolder()
{
    return qEnvironmentVariable("VARNEL_SCREENSHOTS");
}

void SaveScreen(const QWidget& window, const QString& name)
{
    if (ScreenshotFolder().isEmpty())
        return;
    QDir().mkpath(ScreenshotFolder());
    QCoreApplication::processEvents();
    window.screen()->grabWindow(0).save(QDir(ScreenshotFolder()).filePath(name + QStringLiteral(".png")));
}

}

// The real main window, started as the program starts it, on a demo loan book.
class TestMainFormOnDemoBook : public QObject
{
    Q_OBJECT

    std::unique_ptr<TStartupSandbox> m_sandbox;
    // The same book every day: the demo book takes its "today" from the clock.
    std::unique_ptr<TClockPin> m_clock;
    QString m_book;

    std::unique_ptr<TTestProgram> m_program;
    TMainForm* m_form = nullptr;
    QTableView* m_grid = nullptr;
    QTreeWidget* m_credits = nullptr;
    QTreeWidget* m_details = nullptr;

    void SelectDebtor(int row)
    {
        m_grid->setCurrentIndex(m_grid->model()->index(row, 1));
    }
    QString DetailsName() const
    {
        const QTreeWidgetItem* name = m_details->topLevelItem(0);
        return name && name->childCount() ? name->child(0)->text(0) : QString();
    }
    QString GridName(int row) const
    {
        const QAbstractItemModel& model = *m_grid->model();
        return QStringList{Cell(model, row, "Фамилия"), Cell(model, row, "Имя"), Cell(model, row, "Отчество")}
            .join(' ')
            .trimmed();
    }

private slots:
    void initTestCase()
    {
        m_clock = std::make_unique<TClockPin>(DateTime::FromYMD(2026, 12, 10, 10, 30));
        m_sandbox = std::make_unique<TStartupSandbox>();
        m_book = m_sandbox->Dir().filePath(QStringLiteral("demo.s3db"));
        TDemoLoanBook(TDemoLoanBook::DefaultDebtors, 20091).Create(m_book);
        m_sandbox->StoreConnectionString(m_book);

        m_program = std::make_unique<TTestProgram>();
        m_form = new TMainForm(m_program->Parts);
        m_form->show();
        QVERIFY(m_form->isVisible());
        QVERIFY(m_form->Controller());
        m_grid = Find<QTableView>(m_form, "DBGrid1");
        m_credits = Find<QTreeWidget>(m_form, "CreditsListView");
        m_details = Find<QTreeWidget>(m_form, "DebtorsTreeView");
    }
    void cleanupTestCase()
    {
        delete m_form;
        m_program.reset();
        m_sandbox.reset();
        m_clock.reset();
    }

    void showsTheBook()
    {
        const QAbstractItemModel& model = *m_grid->model();
        QCOMPARE(model.rowCount(), TDemoLoanBook::DefaultDebtors);
        QCOMPARE(Titles(model),
                 (QStringList{"Код", "Фамилия", "Имя", "Отчество", "Просрочек всего", "Активных просрочек"}));
        QCOMPARE(m_form->DatabasePanelText(), QStringLiteral("База: ") + m_book);
        QVERIFY2(m_form->CompanyPanelText().size() > QStringLiteral("Фирма: ").size(), qPrintable(m_form->CompanyPanelText()));
        // The first debtor is current: its credits and details are shown.
        QCOMPARE(m_grid->currentIndex().row(), 0);
        QCOMPARE(m_credits->topLevelItemCount(), m_form->Controller()->Credits().Count());
        QVERIFY(m_credits->topLevelItemCount() > 0);
        QCOMPARE(DetailsName(), GridName(0));
    }

    // Each row reads as its counters say; the demo book has rows of every look.
    void gridRowsColouredByTheirOverdues()
    {
        const auto& model = *static_cast<const TDebtorsGridModel*>(m_grid->model());
        QSet<QString> looks;
        for (int row = 0; row < model.rowCount(); ++row) {
            const int all = Cell(model, row, "Просрочек всего").toInt();
            const int active = Cell(model, row, "Активных просрочек").toInt();
            const QModelIndex cell = model.index(row, 1);
            const bool red = cell.data(Qt::ForegroundRole).value<QColor>() == QColor(Qt::red);
            const bool bold = cell.data(Qt::FontRole).value<QFont>().bold();
            QCOMPARE(red, active > 0);
            QCOMPARE(bold, all > 1);
            looks << QStringLiteral("%1%2").arg(red).arg(bold);
        }
        QVERIFY2(looks.size() >= 3, qPrintable(QStringList(looks.values()).join(',')));
    }

    void creditsAndDetailsFollowTheSelectedDebtor()
    {
        for (int row = 0; row < m_grid->model()->rowCount(); ++row) {
            SelectDebtor(row);
            QCOMPARE(DetailsName(), GridName(row));
            const TCreditsList& credits = m_form->Controller()->Credits();
            QCOMPARE(m_credits->topLevelItemCount(), credits.Count());
            for (int line = 0; line < credits.Count(); ++line)
                QCOMPARE(CreditOfLine(m_credits->topLevelItem(line)), credits.Items(line));
        }
    }

    // The grid shows selected the debtor commands act for: moved to with the
    // keyboard, he stays selected over F5 and over a filter that still lists him.
    void theSelectedDebtorStaysSelected()
    {
        const int all = m_grid->model()->rowCount();
        SelectDebtor(2);
        m_grid->setFocus();
        QTest::keyClick(m_grid, Qt::Key_Down);
        QCOMPARE(m_grid->currentIndex().row(), 3);
        const QString chosen = GridName(3);
        QCOMPARE(DetailsName(), chosen);
        const auto selectedName = [this] {
            const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
            return rows.size() == 1 ? GridName(rows.first().row()) : QString();
        };
        Find<QAction>(m_form, "UpdateAction")->trigger();
        QCOMPARE(selectedName(), chosen);
        const int chosenID = m_form->Controller()->CurrentDebtorID();
        auto* nameFilter = Find<TConstraintedEdit>(m_form, "NameFilterEdit");
        TypeText(nameFilter, chosen.left(3).toLower());
        QTRY_VERIFY(m_grid->model()->rowCount() < all);
        QCOMPARE(selectedName(), chosen);
        nameFilter->clear();
        QTRY_COMPARE(m_grid->model()->rowCount(), all);
        QCOMPARE(selectedName(), chosen);
        QCOMPARE(m_form->Controller()->CurrentDebtorID(), chosenID);
        QCOMPARE(DetailsName(), chosen);
    }

    // Two letters of a surname, typed in small letters: after the typing
    // pause only the debtors whose surname begins so are listed.
    void nameFilter()
    {
        const int all = m_grid->model()->rowCount();
        const QString surname = Cell(*m_grid->model(), all / 2, "Фамилия");
        const QString prefix = surname.left(2).toLower();
        int matching = 0;
        for (int row = 0; row < all; ++row)
            matching += Cell(*m_grid->model(), row, "Фамилия").startsWith(prefix, Qt::CaseInsensitive);
        QVERIFY(matching < all);

        auto* nameFilter = Find<TConstraintedEdit>(m_form, "NameFilterEdit");
        TypeText(nameFilter, prefix);
        QTRY_COMPARE(m_grid->model()->rowCount(), matching);
        QVERIFY(Cell(*m_grid->model(), 0, "Фамилия").startsWith(prefix, Qt::CaseInsensitive));
        QCOMPARE(DetailsName(), GridName(0));

        // Nothing listed: nothing of the debtor before stays, nothing can be done for him.
        TypeText(nameFilter, QStringLiteral("щщщ"));
        QTRY_COMPARE(m_grid->model()->rowCount(), 0);
        QCOMPARE(DetailsName(), QString());
        QCOMPARE(m_credits->topLevelItemCount(), 0);
        m_form->UpdateActions();
        for (const char* name : {"MakeDebtorPaymentAction", "AddCreditAction", "EditDebtorAction", "DeleteDebtorAction"})
            QVERIFY2(!Find<QAction>(m_form, name)->isEnabled(), name);

        nameFilter->clear();
        QTRY_COMPARE(m_grid->model()->rowCount(), all);
        m_form->UpdateActions();
        QVERIFY(Find<QAction>(m_form, "MakeDebtorPaymentAction")->isEnabled());
    }

    // The filter box and the name filter apply together; the box names its
    // filter all the while.
    void filterBoxAndRefresh()
    {
        const int all = m_grid->model()->rowCount();
        QStringList probable;
        for (int row = 0; row < all; ++row)
            if (Cell(*m_grid->model(), row, "Активных просрочек").toInt() > 0)
                probable << Cell(*m_grid->model(), row, "Фамилия");
        auto* filter = Find<QComboBox>(m_form, "FilterComboBox");
        filter->setCurrentIndex(1);
        emit filter->activated(1);
        QCOMPARE(m_grid->model()->rowCount(), probable.size());
        // F5 keeps the condition.
        Find<QAction>(m_form, "UpdateAction")->trigger();
        QCOMPARE(m_grid->model()->rowCount(), probable.size());

        const QString prefix = probable.last().left(2);
        const qsizetype both = probable.filter(QRegularExpression(QLatin1Char('^') + prefix)).size();
        auto* nameFilter = Find<TConstraintedEdit>(m_form, "NameFilterEdit");
        TypeText(nameFilter, prefix.toLower());
        QTRY_COMPARE(m_grid->model()->rowCount(), both);
        QCOMPARE(filter->currentText(), QStringLiteral("Только вероятные задолжники"));
        nameFilter->clear();
        QTRY_COMPARE(m_grid->model()->rowCount(), probable.size());

        filter->setCurrentIndex(0);
        emit filter->activated(0);
        QCOMPARE(m_grid->model()->rowCount(), all);
    }

    // The mouse gestures of the lists reach the use cases, each with the
    // debtor and credit at hand (the dialogs are cancelled).
    void mouseGestures()
    {
        // A debtor with two credits, the second one open.
        const auto twoCreditsSecondOpen = [this] {
            const TCreditsList& credits = m_form->Controller()->Credits();
            return credits.Count() >= 2 && !credits.Items(1)->IsPaidOff();
        };
        int row = 0;
        for (SelectDebtor(row); !twoCreditsSecondOpen(); SelectDebtor(++row))
            QVERIFY(row + 1 < m_grid->model()->rowCount());
        // Another debtor with a credit open, so that a payment form or the choice opens.
        const auto anOpenCredit = [this] {
            for (const auto& credit : m_form->Controller()->Credits())
                if (!credit->IsPaidOff())
                    return true;
            return false;
        };
        int other = row + 1;
        for (SelectDebtor(other); !anOpenCredit(); SelectDebtor(++other))
            QVERIFY(other + 1 < m_grid->model()->rowCount());
        SelectDebtor(row);
        const QString debtor = GridName(row);
        m_credits->setCurrentItem(m_credits->topLevelItem(1));
        QWidget* gridArea = m_grid->viewport();
        const QPoint thisRow = m_grid->visualRect(m_grid->model()->index(row, 1)).center();
        const QPoint otherRow = m_grid->visualRect(m_grid->model()->index(other, 1)).center();

        // The middle button on the current debtor pays for him with the
        // selected credit, without asking for the credit again.
        QString paidCredit;
        WhenOpen<TPaymentForm>([&](TPaymentForm* form) { paidCredit = Find<QLineEdit>(form, "CreditIDEdit")->text(); });
        QTest::mouseClick(gridArea, Qt::MiddleButton, {}, thisRow);
        QCOMPARE(paidCredit, m_credits->topLevelItem(1)->text(0));
        QCOMPARE(m_grid->currentIndex().row(), row);
        QCOMPARE(m_credits->currentItem(), m_credits->topLevelItem(1));

        // On another debtor it selects him first and pays for him.
        QString paidFor;
        WhenOpen<QDialog>([&](QDialog* form) {
            if (const auto* name = form->findChild<QLineEdit*>(QStringLiteral("DebtorNameEdit")))
                paidFor = name->text();
        });
        QTest::mouseClick(gridArea, Qt::MiddleButton, {}, otherRow);
        QCOMPARE(m_grid->currentIndex().row(), other);
        QCOMPARE(DetailsName(), GridName(other));
        QCOMPARE(paidFor, GridName(other));
        SelectDebtor(row);

        // A double click on a credit shows it.
        bool creditShown = false;
        WhenOpen<TAddCreditForm>([&](TAddCreditForm*) { creditShown = true; });
        const QRect line = m_credits->visualItemRect(m_credits->topLevelItem(0));
        // As a real double click, whose first click selects the line.
        QTest::mouseClick(m_credits->viewport(), Qt::LeftButton, {}, line.center());
        QTest::mouseDClick(m_credits->viewport(), Qt::LeftButton, {}, line.center());
        QVERIFY(creditShown);

        // A double click on the grid edits the debtor clicked.
        QString edited;
        WhenOpen<TAddDebtorForm>([&](TAddDebtorForm* form) { edited = Find<QLineEdit>(form, "SurnameEdit")->text(); });
        QTest::mouseClick(gridArea, Qt::LeftButton, {}, otherRow);
        QTest::mouseDClick(gridArea, Qt::LeftButton, {}, otherRow);
        QCOMPARE(edited, Cell(*m_grid->model(), m_grid->currentIndex().row(), "Фамилия"));
        QVERIFY(GridName(m_grid->currentIndex().row()) != debtor);
    }

    // A clerk without a mouse: Tab walks the parts of the window (the grid
    // is left at once, its row kept), the everyday commands have keys.
    void keyboard()
    {
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        int row = 0;
        const auto openCreditLine = [this] {
            for (int line = 0; line < m_credits->topLevelItemCount(); ++line)
                if (!CreditOfLine(m_credits->topLevelItem(line))->IsPaidOff())
                    return line;
            return -1;
        };
        for (SelectDebtor(row); openCreditLine() < 0; SelectDebtor(++row))
            QVERIFY(row + 1 < m_grid->model()->rowCount());
        m_grid->setFocus();
        QTest::keyClick(m_grid, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_credits);
        QCOMPARE(m_grid->currentIndex().row(), row);

        auto* nameFilter = Find<QWidget>(m_form, "NameFilterEdit");
        nameFilter->setFocus();
        QTest::keyClick(nameFilter, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->parentWidget(), Find<QWidget>(m_form, "ToolBar"));

        m_credits->setCurrentItem(m_credits->topLevelItem(openCreditLine()));
        // The commands' enabling follows once the program is idle.
        m_form->UpdateActions();
        bool historyShown = false;
        WhenOpen<TPaymentsHistoryForm>([&](TPaymentsHistoryForm*) { historyShown = true; });
        QTest::keyClick(m_form, Qt::Key_H, Qt::ControlModifier);
        QVERIFY(historyShown);
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        bool paymentShown = false;
        WhenOpen<TPaymentForm>([&](TPaymentForm*) { paymentShown = true; });
        QTest::keyClick(m_form, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(paymentShown);
    }

    // At 1024×768 every column of both lists is in view.
    void columnsFitASmallScreen()
    {
        m_form->setWindowState(Qt::WindowNoState);
        m_form->setGeometry(0, 0, 1024, 768);
        SelectDebtor(0);
        const auto fits = [](const QAbstractItemView* view, const QHeaderView* header) {
            return header->length() <= view->viewport()->width();
        };
        QTRY_VERIFY(m_form->width() == 1024);
        QTRY_VERIFY(fits(m_grid, m_grid->horizontalHeader()));
        QTRY_VERIFY(fits(m_credits, m_credits->header()));
        // The names share the room; none is squeezed to nothing.
        QVERIFY(m_grid->columnWidth(1) > 100);
        m_form->setWindowState(Qt::WindowMaximized);
    }

    // A book of the recent-databases submenu opens from there; the window
    // then shows that book.
    void openingARecentBook()
    {
        const QString other = m_sandbox->Dir().filePath(QStringLiteral("other.s3db"));
        TDemoLoanBook(5, 77).Create(other);
        m_program->History.Add(other);
        QMenu* history = Find<QMenu>(m_form, "HistoryMenuItem");
        QVERIFY(history->menuAction()->isEnabled());
        QCOMPARE(history->actions().first()->text(), other);
        QCOMPARE(history->actions().last()->text(), m_book);

        // Another book starts at its first debtor, whatever row was current.
        SelectDebtor(3);
        history->actions().first()->trigger();
        QCOMPARE(m_form->DatabasePanelText(), QStringLiteral("База: ") + other);
        QCOMPARE(m_form->windowTitle(), QStringLiteral("other.s3db — Varnel"));
        QCOMPARE(m_grid->model()->rowCount(), 5);
        QCOMPARE(m_grid->currentIndex().row(), 0);
        QCOMPARE(DetailsName(), GridName(m_grid->currentIndex().row()));

        // And back: the first book is now the older entry.
        history->actions().last()->trigger();
        QCOMPARE(m_form->DatabasePanelText(), QStringLiteral("База: ") + m_book);
        QCOMPARE(m_grid->model()->rowCount(), TDemoLoanBook::DefaultDebtors);
    }

    // Not a check: pictures of the window for the documentation, when asked for.
    void screenshots()
    {
        if (ScreenshotFolder().isEmpty())
            QSKIP("VARNEL_SCREENSHOTS names no folder");
        // The debtor whose credits show the most looks (repaid, overdue, repeated, plain).
        int best = 0;
        qsizetype bestScore = -1;
        for (int row = 0; row < m_grid->model()->rowCount(); ++row) {
            SelectDebtor(row);
            QSet<int> looks;
            for (const auto& credit : m_form->Controller()->Credits())
                looks << (credit->IsPaidOff() ? 4 : 0) + (credit->ActiveDelayCount > 0 ? 2 : 0)
                             + (credit->DelayCount > 1 ? 1 : 0);
            const qsizetype score = looks.size();
            if (score > bestScore) {
                bestScore = score;
                best = row;
            }
        }
        SelectDebtor(best);
        m_credits->setCurrentItem(m_credits->topLevelItem(m_credits->topLevelItemCount() - 1));
        m_details->setCurrentItem(m_details->topLevelItem(1)->child(0));
        m_grid->setFocus();
        // The commands' enabling waits for an idle event loop, which a test never lets block.
        m_form->UpdateActions();
        SaveScreen(*m_form, QStringLiteral("main-window"));

        QTest::mouseClick(Find<QLabel>(m_form, "Label2"), Qt::LeftButton);
        SaveScreen(*m_form, QStringLiteral("legend"));
        QTest::mouseClick(Find<QLabel>(m_form, "Label2"), Qt::LeftButton);

        for (QAction* menu : m_form->menuBar()->actions()) {
            m_form->menuBar()->setActiveAction(menu);
            QTest::qWait(100);
            SaveScreen(*m_form, QStringLiteral("menu-") + QString::number(m_form->menuBar()->actions().indexOf(menu)));
            menu->menu()->close();
        }
        // The first window of each use case, cancelled after its picture.
        for (const char* name : {"AddDebtorAction", "EditDebtorAction", "AddCreditAction", "ShowCreditAction",
                                 "ShowCreditPaymentsHistoryAction", "MakeDebtorPaymentAction",
                                 "MakeCreditPaymentAction", "EditCompanyInfoAction", "DeleteDebtorAction"}) {
            WhenOpen<QDialog>([&](QDialog*) {
                QTest::qWait(100);
                SaveScreen(*m_form, QStringLiteral("dialog-") + QString::fromLatin1(name));
            });
            m_form->UpdateActions();
            Find<QAction>(m_form, name)->trigger();
        }
        for (const char* name : {"CreditsPopupMenu", "DebtorsPopupMenu", "TreePopupMenu"}) {
            auto* popup = Find<QMenu>(m_form, name);
            m_form->UpdateActions();
            popup->popup(m_form->mapToGlobal(QPoint(400, 300)));
            QTest::qWait(100);
            SaveScreen(*m_form, QString::fromLatin1(name));
            popup->close();
        }
    }
};

VARNEL_TEST_MAIN(TestMainFormOnDemoBook)

#include "TestMainFormOnDemoBook.moc"
