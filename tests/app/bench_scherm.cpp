// Measures the window program's responsiveness:
//   bench_scherm kaal      a bare Qt window: process start to its first paint
//   bench_scherm tekst     the same window with one line of text, which costs
//                          the font system's start-up that any text pays
//   bench_scherm rcveltor  the main window with its start-up: the same
//   bench_scherm stap N    the time from a spin step to the repainted screen
// The first two print the microseconds from RCV_T0 (the launch time in
// nanoseconds since the epoch, set by tools/meet-scherm.sh just before it
// starts the process) to the first paint, and exit.

#include "app/RcPaneel.h"
#include "app/UMainform.h"
#include "app/URcWizard.h"
#include "app/Velden.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace rcveltor::app;

namespace {

// Quits the application after the watched widget's first paint.
class TEerstePaint : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* e) override {
        if (e->type() == QEvent::Paint && !gezien_) {
            gezien_ = true;
            const auto nu = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                std::chrono::system_clock::now().time_since_epoch())
                                .count();
            const long long t0 = qEnvironmentVariable("RCV_T0").toLongLong();
            std::printf("%lld\n", t0 > 0 ? (nu - t0) / 1000 : -1);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return QObject::eventFilter(object, e);
    }

private:
    bool gezien_ = false;
};

int Stappen(TMainForm& hoofd, int aantal) {
    hoofd.ImageBerekeningClick();
    TSpinVeld* dikte = hoofd.Panel1()->DikteIsol();
    std::vector<double> tijden;
    for (int i = 0; i < aantal; ++i) {
        QElapsedTimer t;
        t.start();
        dikte->stepBy(i % 2 == 0 ? 1 : -1);
        hoofd.repaint(); // the refreshed screen, drawn
        tijden.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::sort(tijden.begin(), tijden.end());
    std::printf(
        "spin step to repainted screen: median %.3f ms, 95th percentile %.3f ms (%d steps)\n",
        tijden[tijden.size() / 2], tijden[tijden.size() * 95 / 100], aantal);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString modus = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("rcveltor");
    TEerstePaint eerste;
    if (modus == QStringLiteral("kaal") || modus == QStringLiteral("tekst")) {
        QWidget kaal;
        kaal.resize(792, 526);
        if (modus == QStringLiteral("tekst")) {
            (new QLabel(QStringLiteral("Rc-berekening"), &kaal))->move(192, 30);
        }
        kaal.installEventFilter(&eerste);
        kaal.show();
        return QApplication::exec();
    }
    rcveltor::TBerekening berekening(rcveltor::TWensRcBron::Wizard);
    TMainForm hoofd(berekening);
    TFrmRcWizard wizard(berekening.WensRc, &hoofd);
    hoofd.ZetWizard(&wizard);
    hoofd.ZetGeenUpdate(true);
    if (modus == QStringLiteral("stap")) {
        hoofd.show();
        return Stappen(hoofd, argc > 2 ? std::max(10, std::atoi(argv[2])) : 500);
    }
    hoofd.installEventFilter(&eerste);
    hoofd.show();
    return QApplication::exec();
}
