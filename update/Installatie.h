#pragma once

// Puts the files of an update in place as one transaction: each file that is
// replaced is kept aside until the whole update is in place, and everything is
// put back when any step fails, so a broken update never leaves a program
// that cannot start.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace rcveltor::update {

class TInstallatie {
public:
    explicit TInstallatie(std::function<void(const QString&)> log = {});
    ~TInstallatie(); // rolls back unless confirmed
    TInstallatie(const TInstallatie&) = delete;
    TInstallatie& operator=(const TInstallatie&) = delete;

    // Puts a copy of bron (a file or a symbolic link; anything else is
    // refused) at doel, creating its folders. False, with the reason in fout,
    // when it could not.
    bool Plaats(const QString& bron, const QString& doel, QString* fout);
    // The update is complete: the kept files go.
    void Bevestig();
    // Puts back everything as it was before the first Plaats.
    void Herstel();

    static inline const QString kNieuwAchtervoegsel = QStringLiteral(".rcvnieuw");
    static inline const QString kOudAchtervoegsel = QStringLiteral(".rcvoud");

private:
    struct TStap {
        QString Doel;
        bool Bestond = false;     // something was at Doel before
        bool Opzij = false;       // and it has been set aside
        QStringList NieuweMappen; // deepest last
    };
    std::function<void(const QString&)> log_;
    std::vector<TStap> stappen_;
    bool klaar_ = false;
};

} // namespace rcveltor::update
