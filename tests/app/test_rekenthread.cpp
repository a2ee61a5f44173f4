// A thread that Windows starts itself (QThread) runs the x87 unit at 53
// bits; an action there must still calculate as the main thread does, to the
// last bit of every long double.

#include "calc/Actie.h"
#include "calc/RekenModel.h"

#include <QTest>
#include <QThread>
#include <array>
#include <cstring>
#include <memory>

namespace rcveltor {
namespace {

struct TUitkomst {
    std::array<unsigned char, 10> Derde{}; // the 80 bits of 1/3
    double RcWaarde = 0;
    std::string Rc;
    std::string AfschotRc;
};

TUitkomst Reken() {
    TUitkomst u;
    volatile long double een = 1;
    long double derde = 0;
    VoerActieUit([&] { derde = een / 3; });
    std::memcpy(u.Derde.data(), &derde, u.Derde.size());
    TRekenModel model;
    model.Opstarten(RCV_DATA_DIR "/lambda.bin");
    u.RcWaarde = model.Rc.RcWaarde;
    u.Rc = model.Rc.EditRc.Tekst;
    u.AfschotRc = model.Afschot.EditRc2.Tekst;
    return u;
}

} // namespace

class TestRekenthread : public QObject {
    Q_OBJECT

private slots:
    void aQThreadCalculatesAsTheMainThreadDoes() {
        const TUitkomst hier = Reken();
        TUitkomst daar;
        std::unique_ptr<QThread> draad(QThread::create([&daar] { daar = Reken(); }));
        draad->start();
        QVERIFY(draad->wait(60000));
        QVERIFY(hier.Derde == daar.Derde);
        QCOMPARE(daar.RcWaarde, hier.RcWaarde);
        QCOMPARE(daar.Rc, hier.Rc);
        QCOMPARE(daar.AfschotRc, hier.AfschotRc);
    }
};

} // namespace rcveltor

QTEST_GUILESS_MAIN(rcveltor::TestRekenthread)
#include "test_rekenthread.moc"
