#include "cli/Werkers.h"

namespace rcveltor::cli {

TWerkers::TWerkers(unsigned aantal) {
    for (unsigned w = 1; w < aantal; ++w) {
        helpers_.emplace_back([this, w] { Help(w); });
    }
}

TWerkers::~TWerkers() {
    {
        const std::lock_guard slot(slot_);
        stoppen_ = true;
    }
    start_.notify_all();
    for (auto& h : helpers_) {
        h.join();
    }
}

void TWerkers::Doe(unsigned werker) {
    try {
        for (std::size_t i = werker; i < n_; i += Aantal()) {
            (*taak_)(i, werker);
        }
    } catch (...) {
        const std::lock_guard slot(slot_);
        if (!fout_) {
            fout_ = std::current_exception();
        }
    }
}

void TWerkers::Help(unsigned werker) {
    unsigned gezien = 0;
    for (;;) {
        {
            std::unique_lock slot(slot_);
            start_.wait(slot, [&] { return stoppen_ || ronde_ != gezien; });
            if (stoppen_) {
                return;
            }
            gezien = ronde_;
        }
        Doe(werker);
        {
            const std::lock_guard slot(slot_);
            --bezig_;
        }
        klaar_.notify_one();
    }
}

void TWerkers::Verdeel(std::size_t n, const std::function<void(std::size_t, unsigned)>& taak) {
    {
        const std::lock_guard slot(slot_);
        taak_ = &taak;
        n_ = n;
        fout_ = nullptr;
        bezig_ = static_cast<unsigned>(helpers_.size());
        ++ronde_;
    }
    start_.notify_all();
    Doe(0);
    std::unique_lock slot(slot_);
    klaar_.wait(slot, [&] { return bezig_ == 0; });
    if (fout_) {
        std::rethrow_exception(fout_);
    }
}

} // namespace rcveltor::cli
