#include "calc/Rekenprecisie.h"

namespace rcveltor {

namespace {
// The precision control bits of the x87 control word; both set: 64 bits.
constexpr unsigned short kPrecisie = 0x0300;
} // namespace

#if defined(__x86_64__) || defined(__i386__)

TVolleRekenprecisie::TVolleRekenprecisie() {
    __asm__ volatile("fnstcw %0" : "=m"(vorige_));
    const unsigned short vol = vorige_ | kPrecisie;
    if (vol != vorige_) {
        __asm__ volatile("fldcw %0" : : "m"(vol));
    }
}

TVolleRekenprecisie::~TVolleRekenprecisie() {
    if ((vorige_ & kPrecisie) != kPrecisie) {
        __asm__ volatile("fldcw %0" : : "m"(vorige_));
    }
}

#else

TVolleRekenprecisie::TVolleRekenprecisie() = default;
TVolleRekenprecisie::~TVolleRekenprecisie() = default;

#endif

} // namespace rcveltor
