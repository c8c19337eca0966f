// A reader of the plain XML that spreadsheet programs write for their big parts: UTF-8,
// unprefixed elements, attributes, text with the five entities and character references,
// comments, processing instructions and CDATA. It reads in place, several times faster than a
// general reader. It gives up (Token::GiveUp) on anything else or anything not well-formed (a
// DOCTYPE, a prefixed element, a carriage return, an unknown entity, bytes that are no UTF-8,
// a name out of place), and the part is then read by QXmlStreamReader, whose reading is the
// rule: what this reader accepts it reads the same.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <string_view>
#include <vector>

namespace sheets {

class PlainXml {
public:
    enum class Token { Start, End, Text, Done, GiveUp };

    explicit PlainXml(QByteArrayView bytes);

    Token next();
    Token token() const { return token_; }

    // Of a Start or End: the element's name. Of a Start: an attribute's raw value (nothing when
    // absent; GiveUp follows on a value that would need normalising).
    std::string_view name() const { return name_; }
    std::string_view attribute(std::string_view name) const;
    // Of a Text: the characters, decoded (also CDATA).
    void appendText(QString& out) const;

    // The text of the element just started, including that of child elements when `children`,
    // up to its end; false (then GiveUp) on a child element when not `children`.
    bool elementText(QString& out, bool children);
    // Skips to the end of the element just started.
    bool skipElement();

private:
    // To the end of the element just started, its text (when `out`) appended on the way.
    bool walkElement(QString* out, bool children);
    Token giveUp() { return token_ = Token::GiveUp; }
    bool readTag(bool end);
    bool prefixDeclared(std::string_view prefix) const;

    const char* p_;
    const char* end_;
    const char* begin_; // after a byte order mark
    Token token_ = Token::Text;
    std::string_view name_, text_;
    bool cdata_ = false, selfClosing_ = false, pendingEnd_ = false, rootSeen_ = false;
    struct Attribute {
        std::string_view name, value;
    };
    std::vector<Attribute> attributes_;
    std::vector<std::string_view> open_;                        // element names
    std::vector<std::pair<std::string_view, size_t>> prefixes_; // declared prefix, depth
};

} // namespace sheets
