#pragma once

#include <QApplication>

namespace ravik {

// The application object: title "RavikPro", and the one place where an error that escapes an
// event handler, slot or timer tick is shown (the default error display); the program goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the exception being handled; call from inside a catch block.
    static void showCurrentException();

private:
    // A press that raised an error (a value refused as the focus left its box) does not go on
    // to become a click.
    int pressDepth_ = 0;
    bool errorInPress_ = false;
    QObject* dropRelease_ = nullptr;
};

} // namespace ravik
