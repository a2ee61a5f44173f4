#pragma once

// An HTTP server on 127.0.0.1 for the update tests, running in the test's own
// thread: one request per connection, answers set per path, a count of what
// was asked. An answer can also stay silent, to test the time limits.

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
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
            if (!ontvangen->contains("\r\n\r\n")) {
                if (ontvangen->size() > 65536) {
                    s->abort();
                }
                return;
            }
            disconnect(s, &QTcpSocket::readyRead, this, nullptr);
            Beantwoord(s, *ontvangen);
        });
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
            s->write("HTTP/1.1 302 Elders\r\nConnection: close\r\nContent-Length: 0\r\nLocation: " +
                     verwijzingen_.value(pad) + "\r\n\r\n");
            s->disconnectFromHost();
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
                         (antwoord.Status == 200 ? " OK" : " Fout") + "\r\nConnection: close\r\n";
        if (!antwoord.ZonderLengte) {
            kop += "Content-Length: " + QByteArray::number(antwoord.Inhoud.size()) + "\r\n";
        }
        s->write(kop + "\r\n" + antwoord.Inhoud);
        s->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QString, TAntwoord> antwoorden_;
    QHash<QString, QByteArray> verwijzingen_;
    int verbindingen_ = 0;
};

} // namespace rcveltor::test
