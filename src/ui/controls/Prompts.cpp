#include "Prompts.h"

#include "ErrorDisplay.h"

#include <QDialog>
#include <QFileDialog>

namespace ravik {

Prompts& Prompts::instance() {
    static Prompts prompts;
    return prompts;
}

QList<Prompts::Asked> Prompts::takeAsked() {
    return std::exchange(asked, {});
}

void Prompts::showError(const QString& message, QWidget* parent) {
    const QString text = errorDisplayText(message);
    asked.append({QStringLiteral("error"), QStringLiteral("RavikPro"), text});
    if (scripted_)
        return;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("RavikPro"), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

QMessageBox::StandardButton Prompts::question(QWidget* parent, const QString& caption,
                                              const QString& text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton defaultButton,
                                              QMessageBox::Icon icon) {
    asked.append({QStringLiteral("question"), caption, text});
    if (scripted_)
        return answers_.isEmpty() ? defaultButton : answers_.takeFirst();
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

void Prompts::message(QWidget* parent, const QString& caption, const QString& text) {
    asked.append({QStringLiteral("message"), caption, text});
    if (scripted_)
        return;
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

QString Prompts::openFile(QWidget* parent, const QString& filter, QString* selectedFilter) {
    asked.append({QStringLiteral("file"), QString(), filter});
    if (scripted_)
        return files_.isEmpty() ? QString() : files_.takeFirst();
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter, selectedFilter);
}

int Prompts::runModal(QDialog* dialog) {
    asked.append({QStringLiteral("modal"), dialog->windowTitle(), QString()});
    return modalRunner ? modalRunner(dialog) : dialog->exec();
}

} // namespace ravik
