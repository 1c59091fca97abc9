#include "ui/WidgetDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>

namespace zv::ui {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

QMessageBox::Icon qtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// The second button of each set, in the order the box shows them.
QMessageBox::StandardButton secondButton(Buttons buttons)
{
    switch (buttons) {
    case Buttons::OkCancel: return QMessageBox::Cancel;
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return QMessageBox::No;
    case Buttons::Ok: break;
    }
    return QMessageBox::Ok;
}

Answer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return Answer::Ok;
    }
}

// "Description|*.ext" -> "Description (*.ext)"
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    return out.join(QStringLiteral(";;"));
}

} // namespace

Answer WidgetDialogs::messageBox(const platform::MessageBoxRequest& request)
{
    QMessageBox box(qtIcon(request.icon), request.title,
                    QString(request.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    qtButtons(request.buttons));
    if (request.secondIsDefault)
        box.setDefaultButton(secondButton(request.buttons));
    if (request.rightAligned) {
        box.setLayoutDirection(Qt::RightToLeft);
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    // A box that opens while a wait cursor is up still shows the arrow.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int button = box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    return answerOf(button);
}

platform::SaveFileAnswer WidgetDialogs::saveFile(const platform::SaveFileRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, QString(), qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {true, {}};
    const QStringList files = dialog.selectedFiles();
    const QString chosen = files.isEmpty() ? QString() : files.first();
    return {false, QFileInfo(chosen).isDir() ? QString() : chosen};
}

platform::FolderAnswer WidgetDialogs::chooseFolder(const platform::FolderRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.folder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted)
        return {true, {}};
    const QStringList folders = dialog.selectedFiles();
    return {folders.isEmpty(), folders.isEmpty() ? QString() : folders.first()};
}

void WidgetDialogs::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool WidgetDialogs::openWithDesktop(const QString& target)
{
    const QUrl url = target.contains(QStringLiteral("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
}

} // namespace zv::ui
