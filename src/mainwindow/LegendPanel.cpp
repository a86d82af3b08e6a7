#include "LegendPanel.h"

#include "ui/FormLook.h"

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

TLegendPanel::TLegendPanel(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("LegendPanel"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
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
    adjustSize();
    hide();
}

void TLegendPanel::Toggle()
{
    // Its own state, whether or not the window around it is shown yet.
    setHidden(!isHidden());
    if (!isHidden())
        raise();
}
