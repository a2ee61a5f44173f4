#include "update/Handtekening.h"

#include <memory>
#include <openssl/evp.h>
#include <openssl/rand.h>

namespace rcveltor::update {

namespace {

constexpr qsizetype kSleutelLengte = 32;
constexpr qsizetype kHandtekeningLengte = 64;

struct TSleutelVrijgeven {
    void operator()(EVP_PKEY* s) const { EVP_PKEY_free(s); }
};
struct TContextVrijgeven {
    void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};
using TSleutel = std::unique_ptr<EVP_PKEY, TSleutelVrijgeven>;
using TContext = std::unique_ptr<EVP_MD_CTX, TContextVrijgeven>;

const unsigned char* Bytes(QByteArrayView v) {
    return reinterpret_cast<const unsigned char*>(v.data());
}

TSleutel PriveSleutel(QByteArrayView prive) {
    if (prive.size() != kSleutelLengte) {
        return nullptr;
    }
    return TSleutel(
        EVP_PKEY_new_raw_private_key(EVP_PKEY_ED25519, nullptr, Bytes(prive), kSleutelLengte));
}

} // namespace

bool ControleerEd25519(QByteArrayView gegevens, QByteArrayView handtekening,
                       QByteArrayView publiekeSleutel) {
    if (publiekeSleutel.size() != kSleutelLengte || handtekening.size() != kHandtekeningLengte) {
        return false;
    }
    const TSleutel sleutel(EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr,
                                                       Bytes(publiekeSleutel), kSleutelLengte));
    const TContext context(EVP_MD_CTX_new());
    if (!sleutel || !context ||
        EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, sleutel.get()) != 1) {
        return false;
    }
    return EVP_DigestVerify(context.get(), Bytes(handtekening), kHandtekeningLengte,
                            Bytes(gegevens), static_cast<size_t>(gegevens.size())) == 1;
}

QByteArray OndertekenEd25519(QByteArrayView gegevens, QByteArrayView priveSleutel) {
    const TSleutel sleutel = PriveSleutel(priveSleutel);
    const TContext context(EVP_MD_CTX_new());
    if (!sleutel || !context ||
        EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, sleutel.get()) != 1) {
        return {};
    }
    QByteArray handtekening(kHandtekeningLengte, '\0');
    size_t lengte = kHandtekeningLengte;
    if (EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(handtekening.data()),
                       &lengte, Bytes(gegevens), static_cast<size_t>(gegevens.size())) != 1 ||
        lengte != kHandtekeningLengte) {
        return {};
    }
    return handtekening;
}

QByteArray NieuweEd25519Sleutel() {
    QByteArray prive(kSleutelLengte, '\0');
    if (RAND_priv_bytes(reinterpret_cast<unsigned char*>(prive.data()), kSleutelLengte) != 1) {
        return {};
    }
    return prive;
}

QByteArray PubliekeEd25519Sleutel(QByteArrayView priveSleutel) {
    const TSleutel sleutel = PriveSleutel(priveSleutel);
    QByteArray publiek(kSleutelLengte, '\0');
    size_t lengte = kSleutelLengte;
    if (!sleutel ||
        EVP_PKEY_get_raw_public_key(sleutel.get(), reinterpret_cast<unsigned char*>(publiek.data()),
                                    &lengte) != 1 ||
        lengte != kSleutelLengte) {
        return {};
    }
    return publiek;
}

} // namespace rcveltor::update
