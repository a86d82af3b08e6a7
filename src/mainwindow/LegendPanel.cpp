#include "LegendPanel.h"

#include "ui/FormLook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* LegendLine(QWidget* panel, const char* name, const QString& text, const QColor& color, bool bold)
{
    auto* line = new QLabel(text, panel);
    line->setObjectName(QString::fromLatin1(name));
    SetTextColor(line, color);
    QFont font = line->font();
    font.setBold(bold);
    line->setFont(font);
    return line;
}

}

TLegendPanel::TLegendPanel(QWidget* toggle, QWidget* parent)
    : QFrame(parent)
    , m_toggle(toggle)
{
    setObjectName(QStringLiteral("LegendPanel"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    layout->addWidget(LegendLine(this, "OrdinaryLegendLabel", QStringLiteral("Обычные должники"), Qt::black, false));
    layout->addWidget(LegendLine(this, "ActiveDelayLegendLabel",
                                 QStringLiteral("Должники, у которых есть активные просрочки"), Qt::red, false));
    layout->addWidget(LegendLine(this, "RepeatedDelayLegendLabel",
                                 QStringLiteral("Должники, у которых 2 и более просрочек"), Qt::red, true));
    layout->addWidget(LegendLine(this, "PaidOffLegendLabel", QStringLiteral("Погашенные кредиты"),
                                 QColor(192, 192, 192), false));
    layout->addWidget(LegendLine(this, "ActiveDelayRuleLabel",
                                 QStringLiteral("Активная просрочка — неоплаченный взнос, срок которого прошёл "
                                                "или наступит в ближайшие три дня: должник краснеет "
                                                "за три дня до срока."),
                                 QColor(128, 128, 128), false));
    hide();
}

void TLegendPanel::Toggle()
{
    // Its own state, whether or not the window around it is shown yet.
    setHidden(!isHidden());
}

void TLegendPanel::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    qApp->installEventFilter(this);
}

void TLegendPanel::hideEvent(QHideEvent* event)
{
    qApp->removeEventFilter(this);
    QFrame::hideEvent(event);
}

bool TLegendPanel::IsInside(const QObject* object) const
{
    for (; object; object = object->parent())
        if (object == this || object == m_toggle)
            return true;
    return false;
}

bool TLegendPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape
        && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window()) {
        hide();
        return true;
    }
    // The click goes on to what it was meant for; the note only steps aside.
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() && !IsInside(watched))
        hide();
    return QFrame::eventFilter(watched, event);
}
