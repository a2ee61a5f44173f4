#pragma once

// What every widget test stands on: the offscreen platform at 96 dpi, a
// temporary working folder, and a modal watchdog that is always on. A modal
// dialog the test did not announce, or a message box it never looked at,
// fails the test instead of hanging it.

#include "tests/gui/Modaalwachter.h"

#include <QApplication>
#include <QObject>
#include <memory>

namespace rcveltor::test {

class TGuiTest : public QObject {
    Q_OBJECT
protected:
    // The watchdog of this test function, fresh for each.
    TModaalwachter& Wachter() { return *wachter_; }

private slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<TModaalwachter> wachter_;
};

// Runs a test object the way every widget test binary runs: it sets its own
// platform, so it also runs directly on a machine without a display.
int VoerGuiTestUit(QObject& test, int argc, char** argv);

} // namespace rcveltor::test

#define RCV_GUI_TEST_MAIN(Klasse)                                                                  \
    int main(int argc, char** argv) {                                                              \
        rcveltor::test::TGuiOmgeving omgeving;                                                     \
        QApplication app(argc, argv);                                                              \
        Klasse test;                                                                               \
        return rcveltor::test::VoerGuiTestUit(test, argc, argv);                                   \
    }

namespace rcveltor::test {
// Set before the application exists: offscreen platform, 96 dpi, the
// standard paths in test mode.
struct TGuiOmgeving {
    TGuiOmgeving();
};
} // namespace rcveltor::test
