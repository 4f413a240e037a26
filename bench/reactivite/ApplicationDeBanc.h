#pragma once

// What both window benchmarks start with: an application, offscreen unless a platform is named,
// and settings of its own, so that a benchmark never changes the player's.

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

class ApplicationDeBanc {
public:
    ApplicationDeBanc(int& argc, char** argv) : offscreen_(Offscreen()), application_(argc, argv) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, reglages_.path());
    }

private:
    static bool Offscreen() {
        return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
               qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    bool offscreen_; // set before the application reads it
    QApplication application_;
    QTemporaryDir reglages_;
};
