// A headless sway as the unprivileged test user, and the tools that drive it.
#include "tests/app/wayland_session.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include "tests/app/xvfb_session.h"

namespace zx::e2e {

namespace {

constexpr const char* kUser = "zxe2e";

// Every container of the tree, tiled and floating, depth first.
void walk(const QJsonObject& node, const std::function<void(const QJsonObject&)>& f) {
    f(node);
    for (const char* list : {"nodes", "floating_nodes"})
        for (const QJsonValue& child : node[list].toArray()) walk(child.toObject(), f);
}

QRect rectOf(const QJsonObject& o) {
    return QRect(o["x"].toInt(), o["y"].toInt(), o["width"].toInt(), o["height"].toInt());
}

}  // namespace

WaylandSession::WaylandSession(int width, int height) : size_(width, height) {
    for (const char* t : {"sway", "swaymsg", "grim", "setpriv"}) {
        if (QStandardPaths::findExecutable(t).isEmpty()) {
            problem_ = QString("%1 is not installed").arg(t);
            return;
        }
    }
    if (!findUser() || !runtime_.isValid()) return;
    ::chmod(QFile::encodeName(runtime_.path()).constData(), 0700);
    if (asOther_ && ::chown(QFile::encodeName(runtime_.path()).constData(), uid_, gid_) != 0) {
        problem_ = "cannot hand the runtime folder to the test user";
        return;
    }
    ok_ = startSway() && startInput();
}

bool WaylandSession::findUser() {
    if (::geteuid() != 0) {  // already unprivileged: run everything as ourselves
        uid_ = ::geteuid();
        gid_ = ::getegid();
        return true;
    }
    if (!::getpwnam(kUser))
        QProcess::execute("useradd", {"--system", "--no-create-home", "--user-group", "--shell",
                                      "/usr/sbin/nologin", kUser});
    const passwd* pw = ::getpwnam(kUser);
    if (!pw) {
        problem_ = "cannot make the unprivileged test user";
        return false;
    }
    uid_ = pw->pw_uid;
    gid_ = pw->pw_gid;
    asOther_ = true;
    return true;
}

QStringList WaylandSession::launcher() const {
    if (!asOther_) return {};
    return {"setpriv", QString("--reuid=%1").arg(uid_), QString("--regid=%1").arg(gid_),
            "--clear-groups"};
}

QProcessEnvironment WaylandSession::environment() const {
    QProcessEnvironment env;
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    env.insert("HOME", runtime_.path());
    env.insert("XDG_CACHE_HOME", runtime_.filePath("cache"));
    if (!socket_.isEmpty()) env.insert("WAYLAND_DISPLAY", socket_);
    if (!ipc_.isEmpty()) env.insert("SWAYSOCK", ipc_);
    return env;
}

bool WaylandSession::startSway() {
    // One output of the asked size, a plain background to see through the
    // device, no bar; everything else as sway ships it.
    QFile config(runtime_.filePath("sway.conf"));
    config.open(QIODevice::WriteOnly);
    config.write(QString("output HEADLESS-1 resolution %1x%2 position 0 0 bg #204060 solid_color\n")
                     .arg(size_.width())
                     .arg(size_.height())
                     .toUtf8());
    config.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK"}) env.remove(name);
    env.insert(environment());
    env.insert("WLR_BACKENDS", "headless");
    env.insert("WLR_LIBINPUT_NO_DEVICES", "1");
    env.insert("WLR_RENDERER", "pixman");  // no GPU in CI
    sway_.setProcessEnvironment(env);
    sway_.setStandardOutputFile(runtime_.filePath("sway.log"));
    sway_.setStandardErrorFile(runtime_.filePath("sway.log"));
    QStringList cmd = launcher() + QStringList{"sway", "-c", config.fileName()};
    sway_.start(cmd.first(), cmd.mid(1));
    if (!sway_.waitForStarted(5000)) {
        problem_ = "sway did not start";
        return false;
    }
    // sway names its sockets itself, in the runtime folder.
    const QDir dir(runtime_.path());
    const bool up = waitUntil(
        [&] {
            const QStringList w = dir.entryList({"wayland-*"}, QDir::System)
                                      .filter(QRegularExpression("^wayland-\\d+$"));
            const QStringList i = dir.entryList({"sway-ipc.*.sock"}, QDir::System);
            if (w.isEmpty() || i.isEmpty()) return false;
            socket_ = w.first();
            ipc_ = dir.filePath(i.first());
            return tool("swaymsg", {"-t", "get_outputs", "-r"}).contains("HEADLESS-1");
        },
        15000);
    if (!up) {
        QFile log(runtime_.filePath("sway.log"));
        log.open(QIODevice::ReadOnly);
        problem_ = "sway did not come up: " + QString::fromLocal8Bit(log.readAll().right(2000));
    }
    return up;
}

WaylandSession::~WaylandSession() {
    if (input_.state() != QProcess::NotRunning) {
        input_.closeWriteChannel();
        if (!input_.waitForFinished(3000)) input_.kill();
    }
    if (sway_.state() != QProcess::NotRunning) {
        tool("swaymsg", {"exit"}, 3000);
        if (!sway_.waitForFinished(3000)) {
            sway_.kill();
            sway_.waitForFinished(3000);
        }
    }
}

QString WaylandSession::tool(const QString& program, const QStringList& args, int timeoutMs) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(environment());
    return runTool(env, launcher() + QStringList{program} + args, timeoutMs);
}

QImage WaylandSession::screenshot() {
    const QString file = runtime_.filePath("shot.png");
    QFile::remove(file);
    tool("grim", {file});
    return QImage(file);
}

bool WaylandSession::startInput() {
#ifdef ZX_WL_INPUT
    // One virtual keyboard and pointer for the whole session: a keyboard made
    // anew for each key (as wtype does) loses keys when the seat switches to
    // it, and its made-up key codes read as the digit row.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(environment());
    if (!env.contains("ASAN_OPTIONS")) env.insert("ASAN_OPTIONS", "detect_leaks=0");
    input_.setProcessEnvironment(env);
    input_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A copy in the runtime folder, where the test user can run it whatever
    // the build folder lets others do.
    const QString helper = runtime_.filePath("zx_wl_input");
    QFile::copy(ZX_WL_INPUT, helper);
    QFile::setPermissions(helper, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                      QFileDevice::ReadOther | QFileDevice::ExeOther);
    const QStringList cmd = launcher() + QStringList{helper, QString::number(size_.width()),
                                                     QString::number(size_.height())};
    input_.start(cmd.first(), cmd.mid(1));
    if (!input_.waitForStarted(5000) || answer() != "ready") {
        problem_ = "the virtual keyboard and pointer did not start";
        return false;
    }
    command("key F13");  // the seat takes the new keyboard on its first key
    return true;
#else
    problem_ = "zx_wl_input is not built (wayland-client and xkbcommon are not installed)";
    return false;
#endif
}

QString WaylandSession::answer() {
    while (!input_.canReadLine())
        if (!input_.waitForReadyRead(5000)) return {};
    return QString::fromLatin1(input_.readLine()).trimmed();
}

void WaylandSession::command(const QString& line) {
    input_.write((line + "\n").toLatin1());
    input_.waitForBytesWritten(2000);
    answer();
}

void WaylandSession::key(const QString& keysym) {
    command("key " + keysym);
    QThread::msleep(80);  // as xdotool's key delay: one key at a time for the program
}

void WaylandSession::pointerTo(QPoint p) {
    // Once placed, the pointer moves by distances, as a mouse does: sway
    // moves a window the program asked it to move only with such motion.
    if (pointer_)
        command(QString("moveby %1 %2").arg(p.x() - pointer_->x()).arg(p.y() - pointer_->y()));
    else
        command(QString("move %1 %2").arg(p.x()).arg(p.y()));
    pointer_ = p;
}

void WaylandSession::leftButton(bool down) { command(down ? "button 1" : "button 0"); }

QJsonObject WaylandSession::tree() {
    return QJsonDocument::fromJson(tool("swaymsg", {"-t", "get_tree", "-r"}).toUtf8()).object();
}

QList<WindowInfo> WaylandSession::windows(qint64 pid) {
    QList<WindowInfo> found;
    walk(tree(), [&](const QJsonObject& n) {
        if (n["pid"].toInteger() != pid || !n["visible"].toBool()) return;
        WindowInfo w;
        w.title = n["name"].toString();
        // window_rect is the client area within the container.
        const QRect outer = rectOf(n["rect"].toObject());
        const QRect inner = rectOf(n["window_rect"].toObject());
        w.rect = QRect(outer.topLeft() + inner.topLeft(), inner.size());
        w.fullScreen = n["fullscreen_mode"].toInt() != 0;
        w.focused = n["focused"].toBool();
        found << w;
    });
    return found;
}

void WaylandSession::start(ProgramFolder& folder) {
    if (asOther_) folder.handTo(uid_, gid_);
    QProcessEnvironment env = environment();
    env.insert("QT_QPA_PLATFORM", "wayland");
    // Qt's Wayland plugin leaves allocations of the Wayland client library at
    // exit; the sanitizer's leak report would replace the exit code.
    if (!qEnvironmentVariableIsSet("ASAN_OPTIONS")) env.insert("ASAN_OPTIONS", "detect_leaks=0");
    folder.start(env, launcher());
}

}  // namespace zx::e2e
