#include "Application.h"

#include "controls/Prompts.h"
#include "text/Errors.h"

#include <QAbstractButton>

namespace ravik {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("RavikPro"));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease && receiver == dropRelease_) {
        dropRelease_ = nullptr;
        if (auto* button = qobject_cast<QAbstractButton*>(receiver))
            button->setDown(false);
        return true;
    }
    const bool press = type == QEvent::MouseButtonPress;
    if (press)
        ++pressDepth_;
    bool handled = true;
    try {
        handled = QApplication::notify(receiver, event);
    } catch (...) {
        showCurrentException();
        errorInPress_ = errorInPress_ || pressDepth_ > 0;
    }
    if (press && --pressDepth_ == 0 && std::exchange(errorInPress_, false))
        dropRelease_ = receiver;
    return handled;
}

void Application::showCurrentException() {
    try {
        throw;
    } catch (const Error& e) {
        Prompts::instance().showError(e.message());
    } catch (const std::exception& e) {
        Prompts::instance().showError(QString::fromLocal8Bit(e.what()));
    }
}

} // namespace ravik
