#pragma once

// Every figure is rounded from x87 80-bit intermediate results, which need
// the x87 unit at its full 64-bit precision. Linux starts every thread so,
// and so do the main thread and std::thread of MinGW-w64; threads that
// Windows starts itself (QThread, thread pools) run at 53 bits, where a long
// double is a double. Whatever calculates holds this for its duration.

namespace rcveltor {

class TVolleRekenprecisie {
public:
    TVolleRekenprecisie();
    ~TVolleRekenprecisie();
    TVolleRekenprecisie(const TVolleRekenprecisie&) = delete;
    TVolleRekenprecisie& operator=(const TVolleRekenprecisie&) = delete;

private:
    unsigned short vorige_ = 0; // the x87 control word before
};

} // namespace rcveltor
