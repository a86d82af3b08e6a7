#include "SaveAsPdfDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QScreen>
#include <QToolButton>

#include <algorithm>

namespace {

// The folder a PDF was last saved to in this session, offered again.
QString& LastFolder()
{
    static QString folder = QDir::homePath();
    return folder;
}

}

QString PdfFileName(const QString& documentTitle)
{
    QString name = documentTitle.simplified();
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (unsafe.contains(c) || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    // A name of dots alone would be a folder's.
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QStringLiteral("Отчёт");
    return name + QStringLiteral(".pdf");
}

QString AskPdfPath(QWidget* parent, const QString& documentTitle)
{
    QFileDialog dialog(parent, QStringLiteral("Сохранить в PDF"), LastFolder(), QStringLiteral("Документ PDF (*.pdf)"));
    dialog.setObjectName(QStringLiteral("SavePdfDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setViewMode(QFileDialog::List);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Тип файла:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Сохранить"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
    for (const char* name : { "listModeButton", "detailModeButton" }) {
        if (auto* button = dialog.findChild<QToolButton*>(QLatin1String(name)))
            button->hide();
    }
    dialog.selectFile(PdfFileName(documentTitle));
    const QScreen* screen = parent ? parent->screen() : dialog.screen();
    if (screen) {
        const QSize room = screen->availableGeometry().size();
        dialog.resize(std::min(room.width(), std::max(900, room.width() * 3 / 5)),
                      std::min(room.height(), std::max(600, room.height() * 3 / 5)));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString path = dialog.selectedFiles().constFirst();
    LastFolder() = QFileInfo(path).absolutePath();
    return path;
}
