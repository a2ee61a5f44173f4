#pragma once

// One bounded HTTP(S) download: refused unless HTTPS or to this machine,
// redirects checked the same way, a limit on silence, on the whole time and
// on the size, and a SHA-256 of what arrived.

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
    void Lees();
    void Einde();
    void Stop(TOphaalStatus status, const QString& fout);

    QNetworkAccessManager& netwerk_;
    QString agent_;
    QPointer<QNetworkReply> antwoord_;
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
