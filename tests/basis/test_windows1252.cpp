// The one Windows-1252 table against Qt's codec (ICU's windows-1252) for
// every byte, both ways, and the five unassigned bytes under either choice.

#include "basis/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>
#include <algorithm>
#include <iterator>
#include <optional>

using namespace rcveltor;

namespace {

constexpr char kCodec[] = "windows-1252";
constexpr int kGeen = -1; // no character, or no byte

int Gelezen(int byte) {
    QStringDecoder codec(kCodec);
    const char b = static_cast<char>(byte);
    const QString tekst = codec.decode(QByteArrayView(&b, 1));
    return !codec.hasError() && tekst.size() == 1 ? tekst.front().unicode() : kGeen;
}

int Geschreven(char32_t teken) {
    QStringEncoder codec(kCodec);
    const QByteArray bytes = codec.encode(QString::fromUcs4(&teken, 1));
    return !codec.hasError() && bytes.size() == 1 ? static_cast<unsigned char>(bytes.front())
                                                  : kGeen;
}

template <typename T> int OfGeen(std::optional<T> waarde) {
    return waarde ? static_cast<int>(*waarde) : kGeen;
}

} // namespace

class TestWindows1252 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(QStringDecoder(kCodec).isValid(), "Qt has no windows-1252"); }

    void everyByteAsTheCodecReadsIt_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("alsC1");
        QTest::addColumn<int>("geen");
        const int onbezet[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
        for (int byte = 0; byte < 0x100; ++byte) {
            if (std::find(std::begin(onbezet), std::end(onbezet), byte) == std::end(onbezet)) {
                const int teken = Gelezen(byte);
                QTest::addRow("0x%02X", byte) << byte << teken << teken;
            }
        }
        // The codec, like Windows, gives them the C1 control with their number.
        QTest::newRow("0x81 unassigned") << 0x81 << 0x0081 << kGeen;
        QTest::newRow("0x8D unassigned") << 0x8D << 0x008D << kGeen;
        QTest::newRow("0x8F unassigned") << 0x8F << 0x008F << kGeen;
        QTest::newRow("0x90 unassigned") << 0x90 << 0x0090 << kGeen;
        QTest::newRow("0x9D unassigned") << 0x9D << 0x009D << kGeen;
    }
    void everyByteAsTheCodecReadsIt() {
        QFETCH(int, byte);
        QFETCH(int, alsC1);
        QFETCH(int, geen);
        const auto b = static_cast<unsigned char>(byte);
        QCOMPARE(Gelezen(byte), alsC1);
        QCOMPARE(Geschreven(static_cast<char32_t>(alsC1)), byte);
        QCOMPARE(OfGeen(Windows1252NaarUnicode(b, TOnbezet::AlsC1)), alsC1);
        QCOMPARE(OfGeen(Windows1252NaarUnicode(b, TOnbezet::Geen)), geen);
        QCOMPARE(OfGeen(UnicodeNaarWindows1252(static_cast<char32_t>(alsC1), TOnbezet::AlsC1)),
                 byte);
        QCOMPARE(OfGeen(UnicodeNaarWindows1252(static_cast<char32_t>(alsC1), TOnbezet::Geen)),
                 geen == kGeen ? kGeen : byte);
    }

    void charactersWithoutAByte_data() {
        QTest::addColumn<int>("teken");
        QTest::newRow("C1 control that 0x80 does not give") << 0x0080;
        QTest::newRow("C1 control that 0x9F does not give") << 0x009F;
        QTest::newRow("beyond Latin-1") << 0x0100;
        QTest::newRow("greater-or-equal") << 0x2265;
        QTest::newRow("capital delta") << 0x0394;
        QTest::newRow("replacement character") << 0xFFFD;
        QTest::newRow("beyond the basic plane") << 0x1F600;
    }
    void charactersWithoutAByte() {
        QFETCH(int, teken);
        const auto t = static_cast<char32_t>(teken);
        QCOMPARE(Geschreven(t), kGeen);
        QCOMPARE(OfGeen(UnicodeNaarWindows1252(t, TOnbezet::AlsC1)), kGeen);
        QCOMPARE(OfGeen(UnicodeNaarWindows1252(t, TOnbezet::Geen)), kGeen);
    }
};

QTEST_APPLESS_MAIN(TestWindows1252)
#include "test_windows1252.moc"
