// RavikPro: builds the application and its four windows in order, then runs until the main
// window closes. Returns 0 on every path.
#include "ui/Application.h"
#include "ui/Hatirlat.h"
#include "ui/Menu.h"
#include "ui/Ravikayar.h"
#include "ui/Resim.h"

#include <memory>

int main(int argc, char** argv) {
    ravik::Application app(argc, argv);
    // Destroyed in reverse order of creation, the main window last.
    std::unique_ptr<ravik::TMenu1> menu;
    std::unique_ptr<ravik::TResim1> viewer;
    std::unique_ptr<ravik::TAyarlar1> settings;
    std::unique_ptr<ravik::THatirlat1> reminder;
    try {
        menu = std::make_unique<ravik::TMenu1>();
        viewer = std::make_unique<ravik::TResim1>();
        settings = std::make_unique<ravik::TAyarlar1>(menu.get());
        reminder = std::make_unique<ravik::THatirlat1>(menu.get());
    } catch (...) {
        ravik::Application::showCurrentException();
        return 0;
    }
    menu->showFirstTime();
    app.exec();
    return 0;
}
