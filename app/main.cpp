// Program entry: creates the windows in their order and runs the event loop.
#include <QApplication>
#include <QDir>
#include <chrono>

#include "app/after_first_frame.h"
#include "app/form1.h"
#include "app/program_folder.h"
#include "app/quit_signals.h"
#include "clockwork/clock.h"
#include "clockwork/random.h"
#include "config/qt/qt_settings_store.h"
#include "input/sdl/gamepad_watch.h"
#include "sound/sdl/sdl_audio_backend.h"
#include "windows/about.h"
#include "windows/aux_windows_impl.h"
#include "windows/dialogs.h"
#include "windows/keys_form.h"
#include "windows/manual.h"
#include "windows/shell.h"
#include "windows/splash.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QString());
    // A logout or a kill ends the program as Exit does, with sound closed;
    // every setting is on disk already. Start-up's message boxes included.
    zx::TForm1* device = nullptr;
    bool quitRequested = false;
    zx::QtDialogs dialogs;
    zx::QuitSignals quitSignals([&] {
        quitRequested = true;
        // A message box open now runs its own loop, which quit() does not end.
        dialogs.closeForQuit();
        if (device) device->device().closeSound();
        QCoreApplication::quit();
    });

    // The settings file's place comes from the environment; found before the
    // current folder changes, though a relative XDG_CONFIG_HOME is ignored.
    zx::QtSettingsStore settings;
    // Config.ini, its picture folders, the samples and the texts are named
    // relative to the program's folder: work there whatever folder started us.
    // The path is the executable's real one, so a link to it in bin/ works
    // too, and taken as bytes, so any folder name works.
    zx::enterProgramFolder();
    zx::QtShell shell;
    zx::SystemClock clock;
    zx::SdlAudioBackend sound;
    // The launch checks the samples; the output and SDL's library start just
    // after the device window's first frame (or at an earlier first sound).
    sound.holdOutput();
    // Seeded once from the clock, when the device window is created.
    zx::SeededRandom random(
        std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));

    // The current folder: the program's own, whatever its name's encoding.
    const QString programDir = QStringLiteral(".");
    zx::TForm1 form1({settings, dialogs, clock, random, sound, programDir});
    device = &form1;
    if (quitRequested) return 0;  // during a message box of the skin's loading
    // Without Config.ini the program ends once its message is closed: nothing
    // else is read or created.
    if (form1.terminationRequested()) return 0;
    zx::AfterFirstFrame soundStart(&form1, 100, [&] { sound.releaseOutput(); });
    // Game controllers are looked for once the face is on the screen.
    zx::GamepadWatch gamepads(form1.padInput());
    zx::AfterFirstFrame gamepadStart(&form1, 150, [&] { gamepads.start(); });
    // The about box and the key settings dialog are built when first opened.
    zx::TManualForm manualForm(QDir(programDir).filePath("Config.ini").toStdString(), dialogs);
    zx::AuxWindowsImpl auxWindows(
        [&] { return std::make_unique<zx::TAboutForm>(shell); },
        [&] { return std::make_unique<zx::TKeysForm>(form1.keyMap(), settings, &form1); },
        manualForm, form1);
    form1.setAuxWindows(&auxWindows);
    // Created last and visible, unless it launches the device at once.
    zx::TSplashForm splashForm(form1.launch(), settings, dialogs, shell,
                               form1.launch().SplashPending);
    form1.setSplashForm(&splashForm);
    form1.setShell(&shell);
    if (quitRequested) return 0;

    // The splash comes to the front with the focus; the device window stays
    // hidden until the launch shows it (it may have done so already).
    form1.showSplashAtStart();
    return app.exec();
}
