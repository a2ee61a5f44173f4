#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace rcveltor::cli {

// A fixed team of threads that share out numbered jobs: the calling thread
// and aantal - 1 helpers, kept for the team's life so that what a thread
// keeps for itself (the engine's caches) stays warm from job to job.
class TWerkers {
public:
    explicit TWerkers(unsigned aantal);
    ~TWerkers();
    TWerkers(const TWerkers&) = delete;
    TWerkers& operator=(const TWerkers&) = delete;

    unsigned Aantal() const { return static_cast<unsigned>(helpers_.size()) + 1; }

    // Runs taak(i, werker) for every i below n, job i on werker i % Aantal();
    // returns when all are done. The first exception thrown is passed on.
    void Verdeel(std::size_t n, const std::function<void(std::size_t, unsigned)>& taak);

private:
    void Help(unsigned werker);
    void Doe(unsigned werker);

    std::vector<std::thread> helpers_;
    std::mutex slot_;
    std::condition_variable start_;
    std::condition_variable klaar_;
    const std::function<void(std::size_t, unsigned)>* taak_ = nullptr;
    std::size_t n_ = 0;
    unsigned ronde_ = 0;
    unsigned bezig_ = 0;
    bool stoppen_ = false;
    std::exception_ptr fout_;
};

} // namespace rcveltor::cli
