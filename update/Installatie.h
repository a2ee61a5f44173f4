#pragma once

// Puts the files of an update in place as one transaction that survives
// being killed. Every new file is first staged completely next to its target
// ("X.rcvnieuw", copied, flushed and checked); then, with a journal written
// before the first swap, each target is swapped in two steps that never
// leave X empty: the old file gets the second name "X.rcvoud" (a hard link),
// then the new one is renamed over X. Windows cannot replace a running
// program, so there X is renamed to "X.rcvoud" and the new one moved in; a
// file that cannot be removed while it runs is removed at a later start.
// A rollback renames "X.rcvoud" back over X. An update that ends before its
// journal says it is complete is rolled back: at once when a step fails, or
// at the next start (HerstelOnderbroken) when the process was killed, a
// killed rollback included.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace rcveltor::update {

class TInstallatie {
public:
    // journaal: where the journal lives, in a folder of the user's alone;
    // empty for none (then a killed update is not recovered).
    explicit TInstallatie(std::function<void(const QString&)> log = {}, QString journaal = {});
    ~TInstallatie(); // rolls back unless confirmed
    TInstallatie(const TInstallatie&) = delete;
    TInstallatie& operator=(const TInstallatie&) = delete;

    // Stages a copy of bron (a file or a symbolic link; anything else is
    // refused) for doel, creating its folders. Nothing is replaced yet.
    // False, with the reason in fout, when it could not.
    bool Plaats(const QString& bron, const QString& doel, QString* fout);
    // Swaps every staged file into place and removes the old ones. False,
    // with everything put back and the reason in fout, when a swap fails.
    // On proef the old files and the journal stay until the new program
    // confirms that it starts (BevestigStart); without that, a later start
    // puts them back.
    bool Bevestig(QString* fout = nullptr, bool proef = false);
    // Puts back everything as it was before the first Plaats.
    void Herstel();

    enum class THerstel {
        Niets,      // no journal
        Voltooid,   // an installation killed after its swap was completed
        Teruggezet, // one killed before the end of its swap was rolled back
        Proef,      // the new program's first start: it must confirm
        StarttNiet, // the new program did not confirm in time: rolled back
    };
    // At start-up, before anything else: removes what an earlier run could
    // not while it ran, and completes or rolls back what a journal
    // describes. A new program on trial gets limietSeconden from its
    // first start to confirm; a start after that without it rolls back.
    // naStap: for the tests, called after every step of a rollback.
    static THerstel HerstelOnderbroken(const QString& journaal,
                                       const std::function<void(const QString&)>& log = {},
                                       int limietSeconden = 120,
                                       const std::function<void(int)>& naStap = {});
    // The new program runs: the old files and the journal go. False when
    // there was no installation on trial.
    static bool BevestigStart(const QString& journaal);
    // Puts an installation on trial back at once (its program did not start).
    static bool ZetTerug(const QString& journaal,
                         const std::function<void(const QString&)>& log = {},
                         const std::function<void(int)>& naStap = {});

    // For the tests: called after every step of the swap and of Herstel (a
    // link, a rename or a removal), with its number.
    std::function<void(int)> NaStap;

    static inline const QString kNieuwAchtervoegsel = QStringLiteral(".rcvnieuw");
    static inline const QString kOudAchtervoegsel = QStringLiteral(".rcvoud");

private:
    struct TStap {
        QString Doel;
        bool Bestond = false;     // something was at Doel before
        QStringList NieuweMappen; // outermost first
    };
    bool Journaal(const QByteArray& regel, bool veilig);
    std::function<void(const QString&)> log_;
    QString journaal_;
    std::vector<TStap> stappen_;
    bool wisselen_ = false; // the swap has begun
    bool klaar_ = false;
};

} // namespace rcveltor::update
