// The in-place XML reader against Qt's general reader: on every document it accepts, the same
// elements, attributes and text; on the others it gives up (and the general reader decides).
#include "sheets/plain_xml.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

using sheets::PlainXml;

namespace {

// Elements as "<name r=.. t=..", ends as ">", text merged between them; blank text dropped.
QStringList eventsOf(QXmlStreamReader& xml) {
    QStringList out;
    QString text;
    const auto flush = [&] {
        if (!text.trimmed().isEmpty()) out << u'"' + text + u'"';
        text.clear();
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            flush();
            QString e = u'<' + xml.name().toString();
            for (const char* a : {"r", "t", "s"})
                if (xml.attributes().hasAttribute(QLatin1String(a)))
                    e += u' ' + QLatin1String(a) + u'=' +
                         xml.attributes().value(QLatin1String(a)).toString();
            out << e;
        } else if (xml.isEndElement()) {
            flush();
            out << u">"_qs;
        } else if (xml.isCharacters()) {
            text += xml.text();
        }
    }
    flush();
    if (xml.hasError()) out << u"error"_qs;
    return out;
}

std::optional<QStringList> eventsOf(PlainXml& xml) {
    QStringList out;
    QString text;
    const auto flush = [&] {
        if (!text.trimmed().isEmpty()) out << u'"' + text + u'"';
        text.clear();
    };
    while (true) {
        switch (xml.next()) {
        case PlainXml::Token::Start: {
            flush();
            QString e = u'<' + QString::fromUtf8(xml.name().data(), qsizetype(xml.name().size()));
            for (const char* a : {"r", "t", "s"}) {
                const std::string_view v = xml.attribute(a);
                if (v.data())
                    e += u' ' + QLatin1String(a) + u'=' +
                         QString::fromUtf8(v.data(), qsizetype(v.size()));
            }
            out << e;
            break;
        }
        case PlainXml::Token::End:
            flush();
            out << u">"_qs;
            break;
        case PlainXml::Token::Text:
            xml.appendText(text);
            break;
        case PlainXml::Token::Done:
            flush();
            return out;
        case PlainXml::Token::GiveUp:
            return std::nullopt;
        }
    }
}

} // namespace

TEST(PlainXml, ReadsWhatTheGeneralReaderReadsOrGivesUp) {
    const QByteArray ns = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    struct Case {
        const char* what;
        QByteArray xml;
        bool plain; // read in place
    };
    const Case cases[] = {
        {"declaration, cells, self-closing cell",
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<worksheet " + ns +
             "><sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" s=\"2\"/>"
             "</row></sheetData></worksheet>",
         true},
        {"entities, references, CDATA, comment, instruction",
         "<sst " + ns +
             "><si><t xml:space=\"preserve\"> a &amp; b &lt;&gt; &quot;&apos; &#233;&#x20AC;"
             "</t></si><!-- nota --><si><t><![CDATA[<x> & y]]></t></si><?pi dati?></sst>",
         true},
        {"a declared prefix on attributes, single quotes, blanks in tags",
         "<worksheet " + ns +
             " xmlns:x14ac='urn:x' ><row r='2' x14ac:dyDescent='0.25' ><c r = \"C2\" ><v >7"
             "</v ></c></row></worksheet >",
         true},
        {"rich text with phonetic runs, UTF-8",
         "\xEF\xBB\xBF<sst " + ns +
             "><si><r><t>Citt\xC3\xA0</t></r><rPh><t>x</t></rPh><r><t> di</t></r></si></sst>",
         true},
        {"a byte order mark before the declaration",
         "\xEF\xBB\xBF<?xml version=\"1.0\"?><a><b>x</b></a>", true},
        {"a prefixed element", "<x:worksheet xmlns:x=\"urn:x\"><x:row r=\"1\"/></x:worksheet>",
         false},
        {"a carriage return", "<a>x\r\ny</a>", false},
        {"an attribute value to normalise", "<a><c r=\"A\t1\"/></a>", false},
        {"an entity in an attribute", "<a><c r=\"A&amp;1\"/></a>", false},
        {"another encoding", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>x</a>", false},
        {"a DOCTYPE", "<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>", false},
        // Not well-formed: the general reader refuses them.
        {"a wrong end tag", "<a><b></a></b>", false},
        {"an unknown entity", "<a>&nbsp;</a>", false},
        {"an undeclared prefix", "<a p:x=\"1\"/>", false},
        {"a repeated attribute", "<a r=\"1\" r=\"2\"/>", false},
        {"two roots", "<a/><b/>", false},
        {"text after the root", "<a/>x", false},
        {"an unclosed element", "<a><b>x</b>", false},
        {"a declaration not first", " <?xml version=\"1.0\"?><a/>", false},
        {"a control character", QByteArray("<a>x\x01y</a>"), false},
        {"bytes that are no UTF-8", "<a>\xC3</a>", false},
        {"a reference to no character", "<a>&#0;</a>", false},
        {"two dashes in a comment", "<a><!-- x -- y --></a>", false},
        {"attributes without a blank between", "<a r=\"1\"t=\"2\"/>", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlainXml plain(c.xml);
        const std::optional<QStringList> read = eventsOf(plain);
        EXPECT_EQ(read.has_value(), c.plain);
        QXmlStreamReader general(c.xml);
        const QStringList rule = eventsOf(general);
        if (read) {
            EXPECT_EQ(*read, rule);
            EXPECT_FALSE(rule.contains(u"error"_qs));
        }
    }
}

TEST(PlainXml, ElementTextWithAndWithoutChildren) {
    PlainXml xml("<c><v>1<b>2</b>3</v><is><t>a</t></is></c>");
    ASSERT_EQ(xml.next(), PlainXml::Token::Start);
    ASSERT_EQ(xml.next(), PlainXml::Token::Start);
    QString text;
    EXPECT_TRUE(xml.elementText(text, true));
    EXPECT_EQ(text, u"123"_qs);
    ASSERT_EQ(xml.next(), PlainXml::Token::Start);
    EXPECT_TRUE(xml.skipElement());
    EXPECT_EQ(xml.next(), PlainXml::Token::End);
    EXPECT_EQ(xml.next(), PlainXml::Token::Done);

    PlainXml nested("<c><v>1<b>2</b></v></c>");
    nested.next();
    nested.next();
    QString value;
    EXPECT_FALSE(nested.elementText(value, false)); // a <v> holds text only
    EXPECT_EQ(nested.token(), PlainXml::Token::GiveUp);
}
