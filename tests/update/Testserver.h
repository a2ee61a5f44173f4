#pragma once

// An HTTP server on 127.0.0.1 for the update tests, running in the test's own
// thread: one request per connection or, when told, connections kept alive;
// answers set per path, a count of what was asked. An answer can also stay
// silent or trickle in, to test the time limits.

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace rcveltor::test {

class TTestserver : public QObject {
public:
    struct TAntwoord {
        int Status = 200;
        QByteArray Inhoud;
        bool Stil = false;         // read the request, never answer
        bool ZonderLengte = false; // no Content-Length: the end of the connection ends it
        int DruppelMs = 0;         // sent ten bytes at a time, one piece every DruppelMs
    };

    TTestserver() {
        if (!server_.listen(QHostAddress::LocalHost, 0)) {
            qFatal("test server: cannot listen on 127.0.0.1");
        }
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                Nieuw(s);
            }
        });
    }

    QUrl Adres() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()));
    }
    void Zet(const QString& pad, TAntwoord antwoord) { antwoorden_[pad] = std::move(antwoord); }
    // Answers pad with a redirect to locatie.
    void Verwijs(const QString& pad, const QByteArray& locatie) { verwijzingen_[pad] = locatie; }
    // Closes the port: the next request is refused, as by a server that is down.
    void Stop() { server_.close(); }
    // Connections stay open for further requests, as most real servers keep them.
    bool HoudVerbinding = false;

    QStringList Verzoeken;
    QStringList Agenten;

private:
    static constexpr int kMaxVerbindingen = 200;

    void Nieuw(QTcpSocket* s) {
        s->setParent(this);
        if (++verbindingen_ > kMaxVerbindingen) {
            s->abort();
            return;
        }
        auto ontvangen = std::make_shared<QByteArray>();
        connect(s, &QTcpSocket::readyRead, this, [this, s, ontvangen] {
            *ontvangen += s->readAll();
            for (qsizetype einde; (einde = ontvangen->indexOf("\r\n\r\n")) >= 0;) {
                const QByteArray verzoek = ontvangen->left(einde + 4);
                ontvangen->remove(0, einde + 4);
                if (!HoudVerbinding) {
                    disconnect(s, &QTcpSocket::readyRead, this, nullptr);
                }
                Beantwoord(s, verzoek);
                if (!HoudVerbinding) {
                    return;
                }
            }
            if (ontvangen->size() > 65536) {
                s->abort();
            }
        });
    }

    // Ends the answer: the connection closes unless it is kept.
    void Klaar(QTcpSocket* s) {
        if (!HoudVerbinding) {
            s->disconnectFromHost();
        }
    }
    QByteArray Verbinding() const {
        return HoudVerbinding ? "Connection: keep-alive\r\n" : "Connection: close\r\n";
    }

    void Beantwoord(QTcpSocket* s, const QByteArray& verzoek) {
        const QList<QByteArray> regels = verzoek.split('\n');
        const QList<QByteArray> eerste = regels.value(0).trimmed().split(' ');
        const QString pad = QString::fromLatin1(eerste.value(1));
        Verzoeken << pad;
        for (const QByteArray& regel : regels) {
            if (regel.toLower().startsWith("user-agent:")) {
                Agenten << QString::fromLatin1(regel.mid(11).trimmed());
            }
        }
        if (verwijzingen_.contains(pad)) {
            s->write("HTTP/1.1 302 Elders\r\n" + Verbinding() +
                     "Content-Length: 0\r\nLocation: " + verwijzingen_.value(pad) + "\r\n\r\n");
            Klaar(s);
            return;
        }
        const auto gevonden = antwoorden_.constFind(pad);
        const TAntwoord antwoord = gevonden != antwoorden_.cend()
                                       ? *gevonden
                                       : TAntwoord{404, QByteArray("niet gevonden"), false, false};
        if (antwoord.Stil) {
            return;
        }
        QByteArray kop = "HTTP/1.1 " + QByteArray::number(antwoord.Status) +
                         (antwoord.Status == 200 ? " OK" : " Fout") + "\r\n" + Verbinding();
        if (!antwoord.ZonderLengte) {
            kop += "Content-Length: " + QByteArray::number(antwoord.Inhoud.size()) + "\r\n";
        }
        s->write(kop + "\r\n");
        if (antwoord.DruppelMs <= 0) {
            s->write(antwoord.Inhoud);
            Klaar(s);
            return;
        }
        auto* druppel = new QTimer(s);
        auto rest = std::make_shared<QByteArray>(antwoord.Inhoud);
        connect(druppel, &QTimer::timeout, s, [this, s, druppel, rest] {
            s->write(rest->left(10));
            rest->remove(0, 10);
            if (rest->isEmpty()) {
                druppel->deleteLater();
                Klaar(s);
            }
        });
        druppel->start(antwoord.DruppelMs);
    }

    QTcpServer server_;
    QHash<QString, TAntwoord> antwoorden_;
    QHash<QString, QByteArray> verwijzingen_;
    int verbindingen_ = 0;
};

} // namespace rcveltor::test
