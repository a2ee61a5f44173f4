#include "update/Controlebestand.h"

#include "update/Handtekening.h"

#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <variant>

namespace rcveltor::update {

namespace {

const QString kUpdate = QStringLiteral("Update");
const QString kNieuw = QStringLiteral("Nieuw");
const QString kLicentie = QStringLiteral("Licentie");
const QString kComponent = QStringLiteral("Component");
const QString kRegel = QStringLiteral("Regel");
constexpr QByteArrayView kHandtekeningKop = "[Handtekening]";
constexpr QByteArrayView kHandtekeningSleutel = "Ed25519=";
constexpr qint64 kMaxUitgepakt = qint64(16) << 30;

struct TSectie {
    QString Naam;
    int Regelnummer = 0;
    QHash<QString, QString> Waarden;
    QStringList Regels;
};

struct TFout {
    QString Tekst;
};

// An update must also install on Windows, which cannot hold these
// characters in a name, nor a name that ends in a dot or a space.
const QString kNietOpWindows = QStringLiteral("\\:<>\"|?*");

// Windows's device names, with or without an extension: "aux.txt" is AUX.
bool IsApparaatnaam(QStringView deel) {
    const QStringView stam = deel.left(deel.indexOf(QLatin1Char('.'))).trimmed();
    for (const char* naam : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (stam.compare(QLatin1String(naam), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    if (stam.size() == 4 && stam.at(3) >= QLatin1Char('0') && stam.at(3) <= QLatin1Char('9')) {
        const QStringView soort = stam.left(3);
        return soort.compare(QLatin1String("COM"), Qt::CaseInsensitive) == 0 ||
               soort.compare(QLatin1String("LPT"), Qt::CaseInsensitive) == 0;
    }
    return false;
}

bool HeeftStuurteken(QStringView s) {
    for (const QChar c : s) {
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F) {
            return true;
        }
    }
    return false;
}

std::optional<qint64> LeesGetal(const QString& tekst, qint64 max) {
    if (tekst.isEmpty() || tekst.size() > 12) {
        return std::nullopt;
    }
    for (const QChar c : tekst) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
    }
    const qint64 waarde = tekst.toLongLong();
    if (waarde > max) {
        return std::nullopt;
    }
    return waarde;
}

// Reads the lines into sections; syntax only.
std::variant<QList<TSectie>, TFout> LeesSecties(const QString& tekst) {
    QList<TSectie> secties;
    QSet<QString> namen; // a search through secties would make this quadratic
    const QList<QStringView> regels = QStringView(tekst).split(QLatin1Char('\n'));
    int nummer = 0;
    for (QStringView regel : regels) {
        ++nummer;
        if (regel.endsWith(QLatin1Char('\r'))) {
            regel.chop(1);
        }
        const auto fout = [nummer](const char* wat) {
            return TFout{QStringLiteral("line %1: %2").arg(nummer).arg(QLatin1String(wat))};
        };
        if (HeeftStuurteken(regel)) {
            return fout("control character");
        }
        const QStringView kaal = regel.trimmed();
        if (kaal.isEmpty() || kaal.startsWith(QLatin1Char(';')) ||
            kaal.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (kaal.startsWith(QLatin1Char('['))) {
            if (!kaal.endsWith(QLatin1Char(']'))) {
                return fout("section header without ]");
            }
            const QString naam = kaal.mid(1, kaal.size() - 2).trimmed().toString();
            if (naam.isEmpty()) {
                return fout("empty section name");
            }
            if (namen.contains(naam)) {
                return fout("section repeated");
            }
            namen.insert(naam);
            secties.append(TSectie{naam, nummer, {}, {}});
            continue;
        }
        const qsizetype is = regel.indexOf(QLatin1Char('='));
        if (is < 0) {
            return fout("neither a section nor key=value");
        }
        if (secties.isEmpty()) {
            return fout("key outside a section");
        }
        const QString sleutel = regel.left(is).trimmed().toString();
        if (sleutel.isEmpty()) {
            return fout("empty key");
        }
        TSectie& sectie = secties.last();
        if (sleutel == kRegel) {
            // Text lines keep their spaces.
            sectie.Regels.append(regel.mid(is + 1).toString());
            continue;
        }
        if (sectie.Waarden.contains(sleutel)) {
            return fout("key repeated");
        }
        sectie.Waarden.insert(sleutel, regel.mid(is + 1).trimmed().toString());
    }
    return secties;
}

std::variant<TComponent, TFout> LeesComponent(const TSectie& s) {
    const auto fout = [&s](const QString& wat) {
        return TFout{QStringLiteral("[%1]: %2").arg(s.Naam, wat)};
    };
    const auto waarde = [&s](const char* sleutel) {
        return s.Waarden.value(QLatin1String(sleutel));
    };
    const auto vereist = [&s](const char* sleutel) {
        return s.Waarden.contains(QLatin1String(sleutel));
    };
    TComponent c;
    c.Naam = waarde("Naam");
    if (c.Naam.isEmpty()) {
        return fout(QStringLiteral("Naam missing"));
    }
    c.Url = waarde("URL");
    const QUrl url(c.Url, QUrl::StrictMode);
    if (c.Url.isEmpty() || !url.isValid() ||
        !(url.scheme().isEmpty() || url.scheme() == QLatin1String("https") ||
          url.scheme() == QLatin1String("http"))) {
        return fout(QStringLiteral("URL missing or not http(s)"));
    }
    const auto grootte = LeesGetal(waarde("Grootte"), kMaxDownload);
    if (!grootte) {
        return fout(QStringLiteral("Grootte missing or out of range"));
    }
    c.Grootte = *grootte;
    const QString hash = waarde("SHA256");
    const QByteArray hashLatin = hash.toLatin1();
    if (hash.size() != 64 || !std::all_of(hashLatin.begin(), hashLatin.end(), [](char t) {
            return std::isxdigit(static_cast<unsigned char>(t)) != 0;
        })) {
        return fout(QStringLiteral("SHA256 is not 64 hex digits"));
    }
    c.Sha256 = QByteArray::fromHex(hashLatin);

    const QString soort = waarde("Soort");
    if (soort == QLatin1String("archief")) {
        c.Soort = TSoort::Archief;
    } else if (soort == QLatin1String("bestand")) {
        c.Soort = TSoort::Bestand;
    } else {
        return fout(QStringLiteral("Soort is neither archief nor bestand"));
    }
    const QString doel = waarde("Doel");
    if (doel == QLatin1String("programma")) {
        c.Doel = TDoel::Programma;
    } else if (doel == QLatin1String("werkmap")) {
        c.Doel = TDoel::Werkmap;
    } else {
        return fout(QStringLiteral("Doel is neither programma nor werkmap"));
    }

    if (c.Soort == TSoort::Archief) {
        const auto uitgepakt = LeesGetal(waarde("Uitgepakt"), kMaxUitgepakt);
        if (!uitgepakt) {
            return fout(QStringLiteral("Uitgepakt missing or out of range"));
        }
        c.Uitgepakt = *uitgepakt;
        return c;
    }
    c.Bestand = waarde("Bestand");
    if (!IsVeiligRelatiefPad(c.Bestand)) {
        return fout(QStringLiteral("Bestand missing or not a safe relative path"));
    }
    if (vereist("Uitvoerbaar")) {
        const QString uitvoerbaar = waarde("Uitvoerbaar");
        if (uitvoerbaar != QLatin1String("ja") && uitvoerbaar != QLatin1String("nee")) {
            return fout(QStringLiteral("Uitvoerbaar is neither ja nor nee"));
        }
        c.Uitvoerbaar = uitvoerbaar == QLatin1String("ja");
    }
    return c;
}

void SchrijfRegel(QByteArray& uit, const char* sleutel, const QString& waarde) {
    uit += sleutel;
    uit += '=';
    uit += waarde.toUtf8();
    uit += '\n';
}

void SchrijfTekst(QByteArray& uit, const QString& sectie, const QString& tekst) {
    if (tekst.isEmpty()) {
        return;
    }
    uit += '[' + sectie.toUtf8() + "]\n";
    for (const QString& regel : tekst.split(QLatin1Char('\n'))) {
        SchrijfRegel(uit, "Regel", regel);
    }
}

} // namespace

std::optional<QVersionNumber> LeesVersie(QStringView tekst) {
    const QList<QStringView> delen = tekst.split(QLatin1Char('.'));
    if (delen.size() > 4) {
        return std::nullopt;
    }
    QList<int> getallen;
    for (const QStringView deel : delen) {
        const auto getal = LeesGetal(deel.toString(), 65535);
        if (!getal) {
            return std::nullopt;
        }
        getallen.append(static_cast<int>(*getal));
    }
    return QVersionNumber(getallen);
}

int VergelijkVersies(const QVersionNumber& a, const QVersionNumber& b) {
    return QVersionNumber::compare(a.normalized(), b.normalized());
}

TLeesResultaat LeesControlebestand(QByteArrayView tekst) {
    if (tekst.size() > kMaxControlebestand) {
        return {std::nullopt, QStringLiteral("control file too large")};
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString inhoud = utf8.decode(tekst);
    if (utf8.hasError()) {
        return {std::nullopt, QStringLiteral("control file is not UTF-8")};
    }
    auto gelezen = LeesSecties(inhoud);
    if (auto* fout = std::get_if<TFout>(&gelezen)) {
        return {std::nullopt, fout->Tekst};
    }
    const auto& secties = std::get<QList<TSectie>>(gelezen);

    TControlebestand b;
    const TSectie* update = nullptr;
    for (const TSectie& s : secties) {
        if (s.Naam == kUpdate) {
            update = &s;
        } else if (s.Naam == kNieuw) {
            b.Nieuw = s.Regels.join(QLatin1Char('\n'));
        } else if (s.Naam == kLicentie) {
            b.Licentie = s.Regels.join(QLatin1Char('\n'));
        } else if (s.Naam.startsWith(kComponent)) {
            if (b.Componenten.size() == kMaxComponenten) {
                return {std::nullopt, QStringLiteral("too many components")};
            }
            auto component = LeesComponent(s);
            if (auto* fout = std::get_if<TFout>(&component)) {
                return {std::nullopt, fout->Tekst};
            }
            b.Componenten.append(std::get<TComponent>(std::move(component)));
        }
    }
    if (update == nullptr) {
        return {std::nullopt, QStringLiteral("[Update] missing")};
    }
    b.Programma = update->Waarden.value(QStringLiteral("Programma"));
    if (b.Programma.isEmpty()) {
        return {std::nullopt, QStringLiteral("Programma missing")};
    }
    const auto versie = LeesVersie(update->Waarden.value(QStringLiteral("Versie")));
    if (!versie) {
        return {std::nullopt, QStringLiteral("Versie missing or malformed")};
    }
    b.Versie = *versie;
    const QString datum = update->Waarden.value(QStringLiteral("Datum"));
    b.Datum = QDate::fromString(datum, QStringLiteral("dd-MM-yyyy"));
    if (datum.size() != 10 || !b.Datum.isValid()) {
        return {std::nullopt, QStringLiteral("Datum is not dd-mm-yyyy")};
    }
    const QString tijd = update->Waarden.value(QStringLiteral("Tijd"));
    b.Tijd = QTime::fromString(tijd, QStringLiteral("hh:mm"));
    if (tijd.size() != 5 || !b.Tijd.isValid()) {
        return {std::nullopt, QStringLiteral("Tijd is not hh:nn")};
    }
    // Without an end an old signed file could be served again for ever.
    const QString geldigTot = update->Waarden.value(QStringLiteral("GeldigTot"));
    b.GeldigTot = QDate::fromString(geldigTot, QStringLiteral("dd-MM-yyyy"));
    if (geldigTot.size() != 10 || !b.GeldigTot.isValid()) {
        return {std::nullopt, QStringLiteral("GeldigTot is not dd-mm-yyyy")};
    }
    // Without the day it was signed a far GeldigTot would have no bound.
    const QString ondertekend = update->Waarden.value(QStringLiteral("Ondertekend"));
    b.Ondertekend = QDate::fromString(ondertekend, QStringLiteral("dd-MM-yyyy"));
    if (ondertekend.size() != 10 || !b.Ondertekend.isValid()) {
        return {std::nullopt, QStringLiteral("Ondertekend missing or not dd-mm-yyyy")};
    }
    if (b.GeldigTot < b.Ondertekend || b.Ondertekend.daysTo(b.GeldigTot) > kMaxGeldigDagen) {
        return {std::nullopt, QStringLiteral("GeldigTot is not within %1 days after Ondertekend")
                                  .arg(kMaxGeldigDagen)};
    }
    return {std::move(b), {}};
}

QByteArray SchrijfControlebestand(const TControlebestand& b) {
    QByteArray uit = "[Update]\n";
    SchrijfRegel(uit, "Programma", b.Programma);
    SchrijfRegel(uit, "Versie", b.Versie.toString());
    SchrijfRegel(uit, "Datum", b.Datum.toString(QStringLiteral("dd-MM-yyyy")));
    SchrijfRegel(uit, "Tijd", b.Tijd.toString(QStringLiteral("hh:mm")));
    SchrijfRegel(uit, "GeldigTot", b.GeldigTot.toString(QStringLiteral("dd-MM-yyyy")));
    SchrijfRegel(uit, "Ondertekend", b.Ondertekend.toString(QStringLiteral("dd-MM-yyyy")));
    SchrijfTekst(uit, kNieuw, b.Nieuw);
    SchrijfTekst(uit, kLicentie, b.Licentie);
    int nummer = 0;
    for (const TComponent& c : b.Componenten) {
        uit += "[Component" + QByteArray::number(++nummer) + "]\n";
        SchrijfRegel(uit, "Naam", c.Naam);
        SchrijfRegel(uit, "URL", c.Url);
        SchrijfRegel(uit, "Grootte", QString::number(c.Grootte));
        SchrijfRegel(uit, "SHA256", QString::fromLatin1(c.Sha256.toHex()));
        SchrijfRegel(uit, "Soort",
                     c.Soort == TSoort::Archief ? QStringLiteral("archief")
                                                : QStringLiteral("bestand"));
        SchrijfRegel(uit, "Doel",
                     c.Doel == TDoel::Programma ? QStringLiteral("programma")
                                                : QStringLiteral("werkmap"));
        if (c.Soort == TSoort::Archief) {
            SchrijfRegel(uit, "Uitgepakt", QString::number(c.Uitgepakt));
        } else {
            SchrijfRegel(uit, "Bestand", c.Bestand);
            SchrijfRegel(uit, "Uitvoerbaar",
                         c.Uitvoerbaar ? QStringLiteral("ja") : QStringLiteral("nee"));
        }
    }
    return uit;
}

TGesplitst SplitsHandtekening(QByteArrayView bestand) {
    // The last header that starts a line.
    qsizetype kop = -1;
    for (qsizetype vanaf = bestand.size(); vanaf >= 0;) {
        const qsizetype i = bestand.lastIndexOf(kHandtekeningKop, vanaf);
        if (i < 0) {
            break;
        }
        if (i == 0 || bestand.at(i - 1) == '\n') {
            kop = i;
            break;
        }
        vanaf = i - 1;
    }
    if (kop < 0) {
        return {{}, {}, QStringLiteral("no signature")};
    }
    QByteArrayView rest = bestand.sliced(kop + kHandtekeningKop.size());
    if (rest.startsWith('\r')) {
        rest = rest.sliced(1);
    }
    if (!rest.startsWith('\n') || !rest.sliced(1).startsWith(kHandtekeningSleutel)) {
        return {{}, {}, QStringLiteral("signature section malformed")};
    }
    rest = rest.sliced(1 + kHandtekeningSleutel.size());
    qsizetype n = 0;
    while (n < rest.size() && (std::isalnum(static_cast<unsigned char>(rest.at(n))) != 0 ||
                               rest.at(n) == '+' || rest.at(n) == '/' || rest.at(n) == '=')) {
        ++n;
    }
    // Nothing but white space may follow: unsigned content would be read as signed.
    for (const char t : rest.sliced(n)) {
        if (t != ' ' && t != '\t' && t != '\r' && t != '\n') {
            return {{}, {}, QStringLiteral("content after the signature")};
        }
    }
    const auto gedecodeerd = QByteArray::fromBase64Encoding(
        rest.first(n).toByteArray(), QByteArray::AbortOnBase64DecodingErrors);
    if (!gedecodeerd || gedecodeerd.decoded.size() != 64) {
        return {{}, {}, QStringLiteral("signature is not 64 bytes of base64")};
    }
    return {bestand.first(kop).toByteArray(), gedecodeerd.decoded, {}};
}

QByteArray VoegHandtekeningToe(const QByteArray& inhoud, const QByteArray& handtekening) {
    QByteArray uit = inhoud;
    uit += kHandtekeningKop.toByteArray() + '\n' + kHandtekeningSleutel.toByteArray() +
           handtekening.toBase64() + '\n';
    return uit;
}

TLeesResultaat LeesOndertekendControlebestand(QByteArrayView bestand,
                                              QByteArrayView publiekeSleutel) {
    if (bestand.size() > kMaxControlebestand) {
        return {std::nullopt, QStringLiteral("control file too large")};
    }
    const TGesplitst delen = SplitsHandtekening(bestand);
    if (!delen.Fout.isEmpty()) {
        return {std::nullopt, delen.Fout};
    }
    if (!ControleerEd25519(delen.Inhoud, delen.Handtekening, publiekeSleutel)) {
        return {std::nullopt, QStringLiteral("signature does not match")};
    }
    return LeesControlebestand(delen.Inhoud);
}

bool IsVeiligRelatiefPad(QStringView pad) {
    if (pad.isEmpty() || pad.size() > 4096 || HeeftStuurteken(pad)) {
        return false;
    }
    for (const QChar c : pad) {
        if (kNietOpWindows.contains(c)) {
            return false;
        }
    }
    for (const QStringView deel : pad.split(QLatin1Char('/'))) {
        // Also covers "." and "..".
        if (deel.isEmpty() || deel.endsWith(QLatin1Char('.')) || deel.endsWith(QLatin1Char(' ')) ||
            IsApparaatnaam(deel)) {
            return false;
        }
    }
    return true;
}

} // namespace rcveltor::update
