#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;
class QDialog;

namespace ravik {

// Every message box, file dialog and modal run of the program goes through here, so tests can
// give the answers and read what was asked without anything blocking.
class Prompts {
public:
    struct Asked {
        QString kind; // "error", "question", "message", "file", "modal"
        QString caption;
        QString text;
    };

    static Prompts& instance();

    // The default error display: caption "RavikPro", stop icon, OK; the full-stop rule applied.
    void showError(const QString& message, QWidget* parent = nullptr);
    // A question with the given buttons; returns the button pressed.
    QMessageBox::StandardButton question(QWidget* parent, const QString& caption,
                                         const QString& text, QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton,
                                         QMessageBox::Icon icon = QMessageBox::NoIcon);
    // A message with one OK button, no icon.
    void message(QWidget* parent, const QString& caption, const QString& text);
    // A file to open; empty when cancelled.
    QString openFile(QWidget* parent, const QString& filter, QString* selectedFilter);
    // Shows a dialog modally and returns its result.
    int runModal(QDialog* dialog);
    // Tests may run modal dialogs themselves (show, drive, close) instead of exec().
    std::function<int(QDialog*)> modalRunner;

    // --- for tests ---
    // While scripted no box or file dialog is shown: answers come from the queue (the default
    // button or a cancelled dialog when it is empty).
    void setScripted(bool on) { scripted_ = on; }
    bool scripted() const { return scripted_; }
    void queueAnswer(QMessageBox::StandardButton answer) { answers_.append(answer); }
    void queueFile(const QString& path) { files_.append(path); }
    QList<Asked> asked;
    // What was asked since the last call, and forgets it.
    QList<Asked> takeAsked();

private:
    bool scripted_ = false;
    QList<QMessageBox::StandardButton> answers_;
    QStringList files_;
};

} // namespace ravik
