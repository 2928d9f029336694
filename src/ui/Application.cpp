#include "Application.h"

#include "controls/Prompts.h"
#include "text/Errors.h"

namespace ravik {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("RavikPro"));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showCurrentException();
        return true;
    }
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
