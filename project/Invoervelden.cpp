#include "Invoervelden.h"

#include "AfschotBerekening.h"
#include "RcBerekening.h"

namespace rcveltor {

namespace {

void BezoekLagen(TLagenScherm& s, TInvoerBezoeker& b) {
    b.Lijst("damprem", s.CBdamprem, [&] { s.CBdampremCloseUp(); });
    b.Getal("dikteDamprem", s.DikteDamprem, true);
    b.Getal("lambdaDamprem", s.LambdaDamprem, true);
    b.Lijst("onderconstructie", s.CBonderconstructie, [&] { s.CBonderconstructieCloseUp(); });
    b.Getal("dikteOnderconstructie", s.DikteOndercons, false);
    b.Getal("lambdaOnderconstructie", s.LambdaOndercons, true);
    b.Lijst("combinatie", s.CBcombinatie, [&] { s.CBcombinatieCloseUp(); });
    b.Getal("aantal", s.EditAantal, false);
}

} // namespace

void BezoekPlat(TRcBerekening& rc, TInvoerBezoeker& b) {
    b.Lijst("isolatie", rc.CBisolatie, [&] { rc.CBisolatieCloseUp(); });
    b.Getal("dikte", rc.DikteIsol, false);
    BezoekLagen(rc, b);
}

void BezoekAfschot(TAfschotBerekening& a, TInvoerBezoeker& b) {
    b.Lijst("isolatie", a.cbIsolatie2, [&] { a.cbIsolatie2CloseUp(); });
    b.Getal("minDikte", a.MinDikte, true);
    b.Getal("afschotLengte", a.AfschotLengte, true);
    b.Getal("oppervlak1", a.oppvl1, true);
    b.Getal("oppervlak2", a.oppvl2, true);
    b.Getal("oppervlak3", a.oppvl3, true);
    BezoekLagen(a, b);
}

} // namespace rcveltor
