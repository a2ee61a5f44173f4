#pragma once

// One bounded HTTP(S) download: refused unless HTTPS or to this machine,
// redirects followed here (Qt's own following is unreliable in Qt 6.4) and
// checked the same way, a limit on silence, on the whole time and on the
// size, and a SHA-256 of what arrived.

#include <QByteArray>
#include <QCryptographicHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

namespace rcveltor::update {

// HTTPS, or plain HTTP to a loopback address (tests, a local staging server).
bool IsToegestaneUrl(const QUrl& url);

// Why a redirect from van to naar may not be followed; empty when it may:
// naar must be allowed itself, and never a step down from HTTPS to HTTP.
QString RedirectWeigering(const QUrl& van, const QUrl& naar);
inline constexpr int kMaxRedirects = 5;

// What to log when writing failed; a full disk says so in the user's words.
QString Schrijffout(const QIODevice& bestand);

enum class TOphaalStatus {
    Bezig,
    Gelukt,
    Geweigerd,
    Netwerkfout,
    Http,
    Tijdslimiet,
    TeGroot,
    Schrijffout,
    Geannuleerd
};

struct TOphaalLimieten {
    int StilteMs = 30000; // longest wait for the next bytes
    int TotaalMs = 0;     // the whole transfer; 0: no limit
    qint64 MaxBytes = 0;  // more is refused
};

class TOphaler : public QObject {
    Q_OBJECT
public:
    TOphaler(QNetworkAccessManager& netwerk, QString agent, QObject* ouder = nullptr);
    ~TOphaler() override;

    // Into memory when doel is null. Klaar follows, also for a refusal.
    void Start(const QUrl& url, const TOphaalLimieten& limieten, QIODevice* doel = nullptr);
    void Annuleer();

    TOphaalStatus Status() const { return status_; }
    const QString& Fout() const { return fout_; }
    const QByteArray& Gegevens() const { return gegevens_; }
    QByteArray Sha256() const { return hash_.result(); }
    qint64 Ontvangen() const { return ontvangen_; }

signals:
    void Voortgang(qint64 ontvangen);
    void Klaar();

private:
    void Vraag(const QUrl& url);
    bool IsRedirect() const;
    void Lees();
    void Einde();
    void VolgRedirect();
    void Stop(TOphaalStatus status, const QString& fout);

    QNetworkAccessManager& netwerk_;
    QString agent_;
    QPointer<QNetworkReply> antwoord_;
    QList<QUrl> bezocht_; // this download's addresses so far, the first one first
    QIODevice* doel_ = nullptr;
    TOphaalLimieten limieten_;
    QTimer stilte_;
    QTimer totaal_;
    QCryptographicHash hash_{QCryptographicHash::Sha256};
    QByteArray gegevens_;
    qint64 ontvangen_ = 0;
    TOphaalStatus status_ = TOphaalStatus::Bezig;
    QString fout_;
};

} // namespace rcveltor::update
