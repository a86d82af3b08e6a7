#include "MainFormIcons.h"

#include "HistoryMenu.h"

#include <QAction>
#include <QHash>
#include <QWidget>

namespace {

// Command -> icon names, the first one the theme has wins.
const QHash<QString, QStringList>& CommandIconNames()
{
    static const QHash<QString, QStringList> names{
        {QStringLiteral("MakeDebtorPaymentAction"), {QStringLiteral("accessories-calculator")}},
        {QStringLiteral("MakeCreditPaymentAction"), {QStringLiteral("accessories-calculator")}},
        {QStringLiteral("AddCreditAction"), {QStringLiteral("document-new")}},
        {QStringLiteral("AddDebtorAction"), {QStringLiteral("contact-new")}},
        {QStringLiteral("UpdateAction"), {QStringLiteral("view-refresh")}},
        {QStringLiteral("ConnectToDataBaseAction"), {QStringLiteral("document-open")}},
        {QStringLiteral("ExitAction"), {QStringLiteral("application-exit")}},
        {QStringLiteral("BuildDebtorsForDateReportAction"), {QStringLiteral("x-office-calendar"), QStringLiteral("appointment-new")}},
        {QStringLiteral("BuildAllInsolventReportAction"), {QStringLiteral("dialog-warning")}},
        {QStringLiteral("BuildPaymentsForDateReport"), {QStringLiteral("document-print-preview")}},
        {QStringLiteral("BuildStatisticsReportAction"), {QStringLiteral("help-faq")}},
        {QStringLiteral("BuildMonthForecastReportAction"), {QStringLiteral("appointment-soon")}},
        {QStringLiteral("UpdateSchedulesDelayAction"), {QStringLiteral("task-past-due")}},
        {QStringLiteral("EditCompanyInfoAction"), {QStringLiteral("document-properties")}},
        {QStringLiteral("PlayGameAction"), {QStringLiteral("applications-games")}},
        {QStringLiteral("HelpAction"), {QStringLiteral("help-browser")}},
        {QStringLiteral("ShowAboutFormAction"), {QStringLiteral("help-about")}},
        {QStringLiteral("ShowCreditAction"), {QStringLiteral("x-office-calendar"), QStringLiteral("appointment-new")}},
        {QStringLiteral("ShowCreditPaymentsHistoryAction"), {QStringLiteral("document-open-recent")}},
        {QStringLiteral("DeleteCreditAction"), {QStringLiteral("edit-delete")}},
        {QStringLiteral("DeleteDebtorAction"), {QStringLiteral("edit-delete")}},
        {QStringLiteral("EditDebtorAction"), {QStringLiteral("accessories-text-editor")}},
        {QStringLiteral("CopyNodeAction"), {QStringLiteral("edit-copy")}},
        {QStringLiteral("OpenMapAction"), {QStringLiteral("mark-location")}},
    };
    return names;
}

QIcon FirstThemeIcon(const QStringList& names)
{
    for (const QString& name : names)
        if (QIcon::hasThemeIcon(name))
            return QIcon::fromTheme(name);
    return QIcon();
}

}

void SetCommandIcons(QWidget* form)
{
    for (QAction* action : form->findChildren<QAction*>()) {
        const QIcon icon = CommandIcon(action->objectName());
        if (!icon.isNull())
            action->setIcon(icon);
    }
}

QIcon CommandIcon(const QString& actionName)
{
    return FirstThemeIcon(CommandIconNames().value(actionName));
}

QIcon ImageIndexIcon(int imageIndex)
{
    // The recent-databases entries are the only run-time items with a picture.
    if (imageIndex == HistoryMenuImageIndex)
        return FirstThemeIcon({QStringLiteral("document-open-recent")});
    return QIcon();
}
