#include "app/update/Ophalen.h"

#include <QFileDevice>
#include <QHostAddress>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

#ifdef _WIN32
#include <windows.h>
#endif

namespace rcveltor::update {

namespace {

bool IsLoopback(const QString& host) {
    QHostAddress adres;
    return host == QLatin1String("localhost") || (adres.setAddress(host) && adres.isLoopback());
}

#ifdef _WIN32
// The system's text for a full disk, as Qt puts it in a write error.
bool IsSchijfVol(const QFileDevice& f) {
    if (f.error() != QFileDevice::WriteError) {
        return false;
    }
    for (const DWORD code : {DWORD{ERROR_DISK_FULL}, DWORD{ERROR_HANDLE_DISK_FULL}}) {
        wchar_t* tekst = nullptr;
        const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                           FORMAT_MESSAGE_IGNORE_INSERTS,
                                       nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                       reinterpret_cast<wchar_t*>(&tekst), 0, nullptr);
        const QString systeem = QString::fromWCharArray(tekst, static_cast<qsizetype>(n)).trimmed();
        LocalFree(tekst);
        if (!systeem.isEmpty() && f.errorString().trimmed() == systeem) {
            return true;
        }
    }
    return false;
}
#else
bool IsSchijfVol(const QFileDevice&) {
    return false;
}
#endif

} // namespace

bool IsToegestaneUrl(const QUrl& url) {
    if (!url.isValid() || url.host().isEmpty()) {
        return false;
    }
    if (url.scheme() == QLatin1String("https")) {
        return true;
    }
    return url.scheme() == QLatin1String("http") && IsLoopback(url.host());
}

QString Schrijffout(const QIODevice& bestand) {
    // Qt reports a full disk as a resource error (ENOSPC), on Windows as a
    // write error in the system's own words.
    const auto* f = qobject_cast<const QFileDevice*>(&bestand);
    if (f != nullptr && (f->error() == QFileDevice::ResourceError || IsSchijfVol(*f))) {
        return QStringLiteral("Er is onvoldoende schijfruimte");
    }
    return bestand.errorString();
}

QString RedirectWeigering(const QUrl& van, const QUrl& naar) {
    if (!IsToegestaneUrl(naar)) {
        return QStringLiteral("redirect refused: %1 is neither HTTPS nor this machine")
            .arg(naar.toDisplayString());
    }
    if (van.scheme() == QLatin1String("https") && naar.scheme() != QLatin1String("https")) {
        return QStringLiteral("redirect refused: %1 leaves HTTPS").arg(naar.toDisplayString());
    }
    return {};
}

TOphaler::TOphaler(QNetworkAccessManager& netwerk, QString agent, QObject* ouder)
    : QObject(ouder), netwerk_(netwerk), agent_(std::move(agent)) {
    stilte_.setSingleShot(true);
    totaal_.setSingleShot(true);
    connect(&stilte_, &QTimer::timeout, this, [this] {
        Stop(TOphaalStatus::Tijdslimiet,
             QStringLiteral("no data for %1 ms").arg(limieten_.StilteMs));
    });
    connect(&totaal_, &QTimer::timeout, this, [this] {
        Stop(TOphaalStatus::Tijdslimiet,
             QStringLiteral("not done within %1 ms").arg(limieten_.TotaalMs));
    });
}

TOphaler::~TOphaler() {
    if (antwoord_) {
        antwoord_->disconnect(this);
        antwoord_->abort();
        antwoord_->deleteLater();
    }
}

void TOphaler::Start(const QUrl& url, const TOphaalLimieten& limieten, QIODevice* doel) {
    limieten_ = limieten;
    doel_ = doel;
    status_ = TOphaalStatus::Bezig;
    fout_.clear();
    gegevens_.clear();
    hash_.reset();
    ontvangen_ = 0;
    if (!IsToegestaneUrl(url)) {
        // Klaar comes later, as it does for every other outcome.
        status_ = TOphaalStatus::Geweigerd;
        fout_ = QStringLiteral("refused: %1 is neither HTTPS nor this machine")
                    .arg(url.toDisplayString());
        QMetaObject::invokeMethod(this, &TOphaler::Klaar, Qt::QueuedConnection);
        return;
    }
    bezocht_.clear();
    stilte_.start(limieten_.StilteMs);
    if (limieten_.TotaalMs > 0) {
        totaal_.start(limieten_.TotaalMs);
    }
    Vraag(url);
}

void TOphaler::Vraag(const QUrl& url) {
    bezocht_.append(url);
    // A proxy from the environment must not see requests meant for this machine.
    netwerk_.setProxy(IsLoopback(url.host()) ? QNetworkProxy(QNetworkProxy::NoProxy)
                                             : QNetworkProxy(QNetworkProxy::DefaultProxy));
    QNetworkRequest vraag(url);
    vraag.setHeader(QNetworkRequest::UserAgentHeader, agent_);
    vraag.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::ManualRedirectPolicy);
    vraag.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    antwoord_ = netwerk_.get(vraag);
    connect(antwoord_, &QNetworkReply::readyRead, this, &TOphaler::Lees);
    connect(antwoord_, &QNetworkReply::finished, this, &TOphaler::Einde);
}

bool TOphaler::IsRedirect() const {
    const int code = antwoord_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return code == 301 || code == 302 || code == 303 || code == 307 || code == 308;
}

void TOphaler::Annuleer() {
    Stop(TOphaalStatus::Geannuleerd, QStringLiteral("cancelled"));
}

void TOphaler::Lees() {
    if (!antwoord_ || status_ != TOphaalStatus::Bezig) {
        return;
    }
    stilte_.start();
    if (IsRedirect()) {
        antwoord_->readAll(); // the redirect's own body is nothing of ours
        return;
    }
    const QVariant code = antwoord_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (code.isValid() && code.toInt() != 200) {
        Stop(TOphaalStatus::Http, QStringLiteral("HTTP status %1").arg(code.toInt()));
        return;
    }
    const QVariant lengte = antwoord_->header(QNetworkRequest::ContentLengthHeader);
    if (lengte.isValid() && lengte.toLongLong() > limieten_.MaxBytes) {
        Stop(TOphaalStatus::TeGroot, QStringLiteral("announced %1 bytes, more than %2")
                                         .arg(lengte.toLongLong())
                                         .arg(limieten_.MaxBytes));
        return;
    }
    const QByteArray stuk = antwoord_->readAll();
    ontvangen_ += stuk.size();
    if (ontvangen_ > limieten_.MaxBytes) {
        Stop(TOphaalStatus::TeGroot, QStringLiteral("more than %1 bytes").arg(limieten_.MaxBytes));
        return;
    }
    hash_.addData(stuk);
    if (doel_ == nullptr) {
        gegevens_ += stuk;
    } else if (doel_->write(stuk) != stuk.size()) {
        Stop(TOphaalStatus::Schrijffout, Schrijffout(*doel_));
        return;
    }
    if (!stuk.isEmpty()) {
        emit Voortgang(ontvangen_);
    }
}

void TOphaler::Einde() {
    if (!antwoord_ || status_ != TOphaalStatus::Bezig) {
        return;
    }
    if (IsRedirect()) {
        VolgRedirect();
        return;
    }
    Lees();
    if (status_ != TOphaalStatus::Bezig) {
        return;
    }
    const QVariant code = antwoord_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (code.isValid() && code.toInt() != 200) {
        Stop(TOphaalStatus::Http, QStringLiteral("HTTP status %1").arg(code.toInt()));
    } else if (antwoord_->error() != QNetworkReply::NoError) {
        Stop(TOphaalStatus::Netwerkfout, antwoord_->errorString());
    } else {
        Stop(TOphaalStatus::Gelukt, {});
    }
}

void TOphaler::VolgRedirect() {
    const QUrl van = antwoord_->url();
    const QByteArray locatie = antwoord_->rawHeader("Location");
    const QUrl naar = van.resolved(QUrl::fromEncoded(locatie, QUrl::StrictMode));
    if (locatie.isEmpty() || !naar.isValid()) {
        Stop(TOphaalStatus::Http,
             QStringLiteral("HTTP status %1 without a valid Location")
                 .arg(antwoord_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt()));
        return;
    }
    if (const QString weigering = RedirectWeigering(van, naar); !weigering.isEmpty()) {
        Stop(TOphaalStatus::Geweigerd, weigering);
        return;
    }
    if (bezocht_.contains(naar)) {
        Stop(TOphaalStatus::Geweigerd,
             QStringLiteral("redirect loop: %1 again").arg(naar.toDisplayString()));
        return;
    }
    if (bezocht_.size() > kMaxRedirects) {
        Stop(TOphaalStatus::Geweigerd, QStringLiteral("more than %1 redirects, the last to %2")
                                           .arg(kMaxRedirects)
                                           .arg(naar.toDisplayString()));
        return;
    }
    QNetworkReply* oud = antwoord_;
    oud->disconnect(this);
    oud->deleteLater();
    stilte_.start();
    Vraag(naar);
}

void TOphaler::Stop(TOphaalStatus status, const QString& fout) {
    if (status_ != TOphaalStatus::Bezig) {
        return;
    }
    status_ = status;
    fout_ = fout;
    stilte_.stop();
    totaal_.stop();
    if (antwoord_) {
        QNetworkReply* antwoord = antwoord_;
        antwoord_ = nullptr;
        antwoord->disconnect(this);
        // Later: aborting a reply inside its own signals upsets it.
        QMetaObject::invokeMethod(
            antwoord,
            [antwoord] {
                antwoord->abort();
                antwoord->deleteLater();
            },
            Qt::QueuedConnection);
    }
    emit Klaar();
}

} // namespace rcveltor::update
