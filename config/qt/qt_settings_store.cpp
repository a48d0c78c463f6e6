// The desktop's settings store: picks the registry or the settings file.
#include "config/qt/qt_settings_store.h"

#include <QSettings>

#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
#define ZX_NATIVE_SETTINGS 1
#else
#include <QFile>

#include "config/file_settings_store.h"
#include "config/settings_path.h"
#endif

namespace zx {

namespace {

#ifdef ZX_NATIVE_SETTINGS
// QSettings in the platform's own store; every write is synced at once.
class NativeSettingsStore final : public SettingsStore {
  public:
    NativeSettingsStore()
        : settings_(QSettings::NativeFormat, QSettings::UserScope, "Orvalle", "Zorbax50") {}
    std::optional<std::string> readText(const std::string& name) const override {
        const QString key = QString::fromStdString(name);
        if (!settings_.contains(key)) return std::nullopt;
        return settings_.value(key).toString().toStdString();
    }
    void writeText(const std::string& name, const std::string& text) override {
        const QString key = QString::fromStdString(name);
        const QString value = QString::fromStdString(text);
        if (settings_.contains(key) && settings_.value(key).toString() == value) return;
        settings_.setValue(key, value);
        settings_.sync();
        if (settings_.status() != QSettings::NoError)
            reportWriteFailure({fileName().toStdString(), "the settings could not be written"});
    }
    QString fileName() const { return settings_.fileName(); }

  private:
    QSettings settings_;
};
#endif

}  // namespace

QtSettingsStore::QtSettingsStore() {
#ifdef ZX_NATIVE_SETTINGS
    auto native = std::make_unique<NativeSettingsStore>();
    location_ = native->fileName();
    store_ = std::move(native);
#else
    // Bytes from the environment: a folder name need not be valid UTF-8.
    const std::string path = userSettingsPath();
    location_ = QFile::decodeName(QByteArray::fromStdString(path));
    store_ = std::make_unique<FileSettingsStore>(path);
#endif
    store_->onWriteFailure([this](const SettingsWriteFailure& f) { reportWriteFailure(f); });
}

QtSettingsStore::~QtSettingsStore() = default;

std::optional<std::string> QtSettingsStore::readText(const std::string& name) const {
    return store_->readText(name);
}

void QtSettingsStore::writeText(const std::string& name, const std::string& text) {
    store_->writeText(name, text);
}

void QtSettingsStore::writeTexts(const Values& values) { store_->writeTexts(values); }

int QtSettingsStore::WriteLargerInteger(const std::string& name, int value) {
    return store_->WriteLargerInteger(name, value);
}

}  // namespace zx
