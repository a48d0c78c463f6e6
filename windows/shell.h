// The desktop shell's "open" action, behind an interface that tests can record.
#pragma once

#include <QString>
#include <QUrl>

namespace zx {

class Shell {
  public:
    virtual ~Shell() = default;
    // Opens a web address, a "mailto:" link or a file with the desktop's
    // handler. Failures are ignored: callers never react to them.
    virtual void open(const QString& target) = 0;
};

// The address that open() hands to the desktop: a text with a scheme of two
// or more letters ("https:", "mailto:") is taken as it is; anything else is
// a file name, resolved against the current directory unless absolute.
QUrl shellTargetUrl(const QString& target);

class QtShell final : public Shell {
  public:
    void open(const QString& target) override;
};

}  // namespace zx
