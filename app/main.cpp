// Program entry: creates the windows in their order and runs the event loop.
#include <QApplication>
#include <chrono>

#include "app/dialogs.h"
#include "app/form1.h"
#include "config/qt_settings_store.h"
#include "device/clock.h"
#include "device/random.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QString());

    zx::QtSettingsStore settings;
    zx::QtDialogs dialogs;
    zx::SystemClock clock;
    // Seeded once from the clock, when the device window is created.
    zx::SeededRandom random(
        std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));

    zx::TForm1 form1({settings, dialogs, clock, random, QApplication::applicationDirPath()});
    form1.show();  // off-screen until the launch
    if (!form1.terminationRequested()) form1.launch();
    return app.exec();
}
