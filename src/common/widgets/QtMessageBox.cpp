#include "QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// Centred on the page that asks; on top, because the pages themselves are top-most.
void prepare(QMessageBox& box, const QString& text)
{
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setWindowIcon(QApplication::windowIcon());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.setText(text);
}

QWidget* askingWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace

void QtMessageBox::showInfo(const QString& text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    QString(), QString(), QMessageBox::Ok, askingWindow());
    prepare(box, text);
    box.exec();
}

bool QtMessageBox::askQuestion(const QString& text)
{
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Ok | QMessageBox::Cancel,
                    askingWindow());
    prepare(box, text);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}
