// The information text's reader: the text and formatting that RTF gives, the
// plain-text fallback, and input that is not RTF left alone.

#include "rtf/RtfLezer.h"
#include "tests/info/VijandigeTeksten.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

using namespace rcveltor::app;

namespace {

// The format of the character at a position.
QTextCharFormat Opmaak(QTextDocument& doc, int positie) {
    QTextCursor c(&doc);
    c.setPosition(positie + 1);
    return c.charFormat();
}

int Positie(const QTextDocument& doc, const QString& tekst) {
    return doc.toRawText().indexOf(tekst);
}

} // namespace

class TestRtfLezer : public QObject {
    Q_OBJECT

private slots:
    void textComesOutAsWritten_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("tekst");
        const QChar alinea(QChar::ParagraphSeparator);
        const QString a = QString(alinea);
        QTest::newRow("paragraphs") << QByteArray("{\\rtf1 een\\par twee\\par}")
                                    << QStringLiteral("een") + a + QStringLiteral("twee");
        QTest::newRow("empty last paragraph kept when written twice")
            << QByteArray("{\\rtf1 een\\par\\par}") << QStringLiteral("een") + a;
        QTest::newRow("line break and tab")
            << QByteArray("{\\rtf1 a\\line b\\tab c}") << QStringLiteral("a\u2028b\tc");
        QTest::newRow("line ends in the file are not text")
            << QByteArray("{\\rtf1 a\r\nb\nc}") << QStringLiteral("abc");
        QTest::newRow("backslash newline is a paragraph")
            << QByteArray("{\\rtf1 a\\\nb}") << QStringLiteral("a") + a + QStringLiteral("b");
        QTest::newRow("escaped braces and backslash")
            << QByteArray("{\\rtf1 \\{x\\} \\\\}") << QStringLiteral("{x} \\");
        QTest::newRow("windows-1252 bytes")
            << QByteArray("{\\rtf1 caf\\'e9 \\'80 \\'93q\\'94 \\'a9}")
            << QStringLiteral("caf\u00e9 \u20ac \u201cq\u201d \u00a9");
        QTest::newRow("an unassigned byte is the C1 control with its number")
            << QByteArray("{\\rtf1 a\\'81b\x8d}") << QStringLiteral("a\u0081b\u008d");
        QTest::newRow("raw high bytes are windows-1252 too")
            << QByteArray("{\\rtf1 caf\xe9}") << QStringLiteral("caf\u00e9");
        QTest::newRow("unicode with its fallback skipped")
            << QByteArray("{\\rtf1 \\u8364?s \\uc2\\u8364\\'80\\'80 x\\uc0\\u8364 y}")
            << QStringLiteral("\u20acs \u20ac x\u20acy");
        QTest::newRow("negative unicode")
            << QByteArray("{\\rtf1 \\u-3913?}") << QStringLiteral("\uf0b7");
        QTest::newRow("surrogate pair")
            << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QString::fromUcs4(U"\U0001F600");
        QTest::newRow("lone surrogate replaced")
            << QByteArray("{\\rtf1 \\u-10179?x}") << QStringLiteral("\ufffdx");
        QTest::newRow("fallback ends with its group")
            << QByteArray("{\\rtf1 {\\uc3\\u8364 a}bc}") << QStringLiteral("\u20acbc");
        QTest::newRow("symbols") << QByteArray("{\\rtf1 \\bullet\\emdash\\~\\lquote x\\rquote}")
                                 << QStringLiteral("\u2022\u2014\u00a0\u2018x\u2019");
        QTest::newRow("skipped destinations")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}"
                          "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Titel}}"
                          "{\\*\\generator Riched20;}{\\*\\onbekend x}"
                          "{\\pict\\wmetafile8 0102ff}{\\header kop}zichtbaar}")
            << QStringLiteral("zichtbaar");
        QTest::newRow("field shows its result")
            << QByteArray("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt www}}}")
            << QStringLiteral("www");
        QTest::newRow("binary data skipped")
            << QByteArray("{\\rtf1 a{\\pict\\bin4 }}{{}b}") << QStringLiteral("ab");
        QTest::newRow("text after the last brace ignored")
            << QByteArray("{\\rtf1 a}b\0c", 12) << QStringLiteral("a");
        QTest::newRow("the information text that comes with the program")
            << QByteArray(
                   "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1043\n"
                   "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
                   "{\\colortbl;\\red0\\green100\\blue0;}\n"
                   "\\viewkind4\\uc1\\pard\\sa120\\f0\\fs28\\cf1\\b RcVeltor\\b0\\cf0\\fs20\\par\n"
                   "\\'a9 Veltor\\par\n}\n")
            << QStringLiteral("RcVeltor") + a + QStringLiteral("\u00a9 Veltor");
    }
    void textComesOutAsWritten() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, tekst);
        QTextDocument doc;
        QVERIFY(LeesRtf(rtf, doc));
        QCOMPARE(doc.toRawText(), tekst);
    }

    void formattingFollowsGroupsAndResets() {
        QTextDocument doc;
        QVERIFY(LeesRtf("{\\rtf1{\\colortbl;\\red0\\green102\\blue51;\\red255\\green0\\blue0;}"
                        "\\pard\\qc\\sa120 {\\b vet}{\\i cursief}{\\ul onder\\ulnone niet}"
                        "{\\strike weg}{\\fs28 groot}{\\cf1 groen}{\\cf2\\b\\i rood\\plain gewoon}"
                        "normaal\\par\\pard rechts\\qr\\par}",
                        doc));
        const auto op = [&doc](const char* tekst) {
            return Opmaak(doc, Positie(doc, QString::fromLatin1(tekst)));
        };
        QCOMPARE(op("vet").fontWeight(), int(QFont::Bold));
        QVERIFY(op("cursief").fontItalic());
        QVERIFY(op("onder").fontUnderline());
        QVERIFY(!op("niet").fontUnderline());
        QVERIFY(op("weg").fontStrikeOut());
        QCOMPARE(op("groot").fontPointSize(), 14.0);
        QCOMPARE(op("normaal").fontPointSize(), 12.0);
        QCOMPARE(op("groen").foreground().color(), QColor(0, 102, 51));
        QCOMPARE(op("rood").foreground().color(), QColor(255, 0, 0));
        QVERIFY(op("rood").fontItalic());
        QVERIFY(!op("gewoon").fontItalic());
        QCOMPARE(op("gewoon").fontWeight(), int(QFont::Normal));
        QVERIFY(!op("gewoon").hasProperty(QTextFormat::ForegroundBrush));
        // After each group, what was before it.
        QCOMPARE(op("normaal").fontWeight(), int(QFont::Normal));
        QVERIFY(!op("normaal").fontItalic());
        QVERIFY(!op("normaal").hasProperty(QTextFormat::ForegroundBrush));

        QCOMPARE(doc.blockCount(), 2);
        QCOMPARE(doc.firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
        QCOMPARE(doc.firstBlock().blockFormat().bottomMargin(), 8.0);
        QCOMPARE(doc.lastBlock().blockFormat().alignment(), Qt::AlignRight);
        QCOMPARE(doc.lastBlock().blockFormat().bottomMargin(), 0.0);
    }

    void whatIsNotRtfLeavesTheDocumentAlone_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("plain text") << QByteArray("Gewone tekst");
        QTest::newRow("rtf not at the start") << QByteArray(" {\\rtf1 x}");
        QTest::newRow("never closed") << QByteArray("{\\rtf1 abc");
        QTest::newRow("ends in a backslash") << QByteArray("{\\rtf1 abc\\");
        QTest::newRow("broken hex") << QByteArray("{\\rtf1 \\'4g}");
        QTest::newRow("hex cut short") << QByteArray("{\\rtf1 \\'4");
        QTest::newRow("minus without a number") << QByteArray("{\\rtf1 \\fs- x}");
        QTest::newRow("overlong control word")
            << QByteArray("{\\rtf1 \\" + QByteArray(33, 'a') + " x}");
        QTest::newRow("overlong number") << QByteArray("{\\rtf1 \\fs12345678901 x}");
        QTest::newRow("negative binary length") << QByteArray("{\\rtf1 \\bin-5 x}");
        QTest::newRow("too deeply nested")
            << QByteArray("{\\rtf1 " + QByteArray(300, '{') + QByteArray(301, '}'));
        QTest::newRow("larger than an information text can be")
            << QByteArray("{\\rtf1 " + QByteArray(kMaxRtf, 'x') + "}");
    }
    void whatIsNotRtfLeavesTheDocumentAlone() {
        QFETCH(QByteArray, data);
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("vorige tekst"));
        QVERIFY(!LeesRtf(data, doc));
        QCOMPARE(doc.toPlainText(), QStringLiteral("vorige tekst"));
    }

    // Files that once took seconds or for ever. bench_info watches the time;
    // CTest's TIMEOUT stops one that hangs.
    void hostileTextsAreCappedOrRefused_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<bool>("leesbaar");
        for (const auto& t : rcveltor::test::VijandigeTeksten()) {
            QTest::newRow(t.Naam) << t.Rtf << t.Leesbaar;
        }
    }
    void hostileTextsAreCappedOrRefused() {
        QFETCH(QByteArray, rtf);
        QFETCH(bool, leesbaar);
        QTextDocument doc;
        QCOMPARE(LeesRtf(rtf, doc), leesbaar);
        // A refused text leaves the document as it was: empty.
        QCOMPARE(doc.isEmpty(), !leesbaar);
        QVERIFY(rcveltor::test::LegUitAlsInfo(doc) > 0);
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            const QTextBlockFormat f = b.blockFormat();
            QVERIFY(f.topMargin() <= 96 && f.bottomMargin() <= 96);
            QVERIFY(f.leftMargin() <= 96 && f.rightMargin() <= 96);
            QVERIFY(std::abs(f.textIndent()) <= 96);
            for (auto stuk = b.begin(); !stuk.atEnd(); ++stuk) {
                QVERIFY(stuk.fragment().charFormat().fontPointSize() <= 72);
            }
        }
    }

    void deepButAllowedNestingReads() {
        QTextDocument doc;
        QVERIFY(LeesRtf(
            QByteArray("{\\rtf1 " + QByteArray(150, '{') + "diep" + QByteArray(151, '}')), doc));
        QCOMPARE(doc.toRawText(), QStringLiteral("diep"));
    }

    void plainTextIsUtf8OrWindows1252AndNeverBinary_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("leesbaar");
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9\n\xe2\x82\xac")
                               << QStringLiteral("caf\u00e9\n\u20ac") << true;
        QTest::newRow("utf-8 with a byte order mark")
            << QByteArray("\xef\xbb\xbfx") << QStringLiteral("x") << true;
        QTest::newRow("utf-8 cut short is windows-1252")
            << QByteArray("caf\xc3") << QStringLiteral("caf\u00c3") << true;
        QTest::newRow("windows-1252")
            << QByteArray("caf\xe9 \x80") << QStringLiteral("caf\u00e9 \u20ac") << true;
        QTest::newRow("rtf that does not read")
            << QByteArray("{\\rtf1 abc") << QStringLiteral("{\\rtf1 abc") << true;
        QTest::newRow("binary") << QByteArray("MZ\x90\0\3", 5) << QString() << false;
        QTest::newRow("more lines than the layout can take")
            << QByteArray(kMaxPlatteRegels + 1, '\n') << QString() << false;
        QTest::newRow("as many lines as it can take")
            << QByteArray(kMaxPlatteRegels, '\n') << QString(kMaxPlatteRegels, QLatin1Char('\n'))
            << true;
    }
    void plainTextIsUtf8OrWindows1252AndNeverBinary() {
        QFETCH(QByteArray, data);
        QFETCH(QString, tekst);
        QFETCH(bool, leesbaar);
        const auto gelezen = LeesPlatteTekst(data);
        QCOMPARE(gelezen.has_value(), leesbaar);
        if (leesbaar) {
            QCOMPARE(*gelezen, tekst);
        }
    }
};

QTEST_MAIN(TestRtfLezer)
#include "test_rtflezer.moc"
