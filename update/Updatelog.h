#pragma once

// The update engine's log, "WUPDATE.LOG": one timestamped English line per
// event, appended, its folder made when missing. A log that cannot be
// written is no reason to fail.

#include <QString>

namespace rcveltor::update {

class TUpdateLog {
public:
    explicit TUpdateLog(QString pad = {}) : pad_(std::move(pad)) {}
    void ZetPad(const QString& pad) { pad_ = pad; }
    const QString& Pad() const { return pad_; }
    void Schrijf(const QString& regel) const;

private:
    QString pad_;
};

} // namespace rcveltor::update
