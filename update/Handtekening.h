#pragma once

// Ed25519 signatures (OpenSSL). Keys are the raw 32-byte forms.

#include <QByteArray>
#include <QByteArrayView>

namespace rcveltor::update {

bool ControleerEd25519(QByteArrayView gegevens, QByteArrayView handtekening,
                       QByteArrayView publiekeSleutel);

// For the signing tool and the tests. Empty results mean OpenSSL failed.
QByteArray OndertekenEd25519(QByteArrayView gegevens, QByteArrayView priveSleutel);
QByteArray NieuweEd25519Sleutel();
QByteArray PubliekeEd25519Sleutel(QByteArrayView priveSleutel);

} // namespace rcveltor::update
