#pragma once

// What the update tests against the engine share: the folders, keys and
// releases of TUpdateMappen, the local server and a way to publish a release
// on it.

#include "app/update/Updatemotor.h"
#include "tests/update/Testserver.h"
#include "tests/update/Updatemappen.h"

namespace rcveltor::test {

class TUpdateOpstelling : public TUpdateMappen {
public:
    update::TUpdateInstellingen Instellingen() const {
        update::TUpdateInstellingen i = TUpdateMappen::Instellingen();
        i.Server = Server.Adres();
        return i;
    }

    // Serves a signed control file for versie, its components under /bestanden/.
    update::TControlebestand Publiceer(const QString& versie, const QList<TStuk>& stukken,
                                       QByteArray sleutel = {}) {
        const update::TControlebestand b = Controlebestand(versie, stukken);
        for (qsizetype i = 0; i < stukken.size(); ++i) {
            Server.Zet(b.Componenten.at(i).Url, {200, stukken.at(i).Inhoud, false, false});
        }
        Server.Zet(QStringLiteral("/veltor/Rc/Rc.INF"), {200, Getekend(b, sleutel), false, false});
        return b;
    }

    TTestserver Server;
};

} // namespace rcveltor::test
