#include "sheets/plain_xml.h"

#include <cstring>

namespace sheets {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isNameStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool isNameChar(char c) {
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == ':';
}
bool isXmlChar(uint v) {
    return v == 0x9 || v == 0xA || v == 0xD || (v >= 0x20 && v <= 0xD7FF) ||
           (v >= 0xE000 && v <= 0xFFFD) || (v >= 0x10000 && v <= 0x10FFFF);
}

// The character an entity at `s` (after its '&') stands for, and its length up to the ';'.
// Zero length when it is none of the five or no valid character reference.
uint entity(std::string_view s, size_t& length) {
    length = 0;
    const size_t semi = s.find(';');
    if (semi == std::string_view::npos || semi > 12) return 0;
    const std::string_view e = s.substr(0, semi);
    uint v = 0;
    if (e == "lt")
        v = '<';
    else if (e == "gt")
        v = '>';
    else if (e == "amp")
        v = '&';
    else if (e == "quot")
        v = '"';
    else if (e == "apos")
        v = '\'';
    else if (e.size() >= 2 && e[0] == '#') {
        const bool hex = e[1] == 'x';
        const std::string_view digits = e.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 8) return 0;
        for (char c : digits) {
            int d = -1;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (hex && c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            if (d < 0) return 0;
            v = v * (hex ? 16 : 10) + uint(d);
        }
        if (!isXmlChar(v)) return 0;
    } else {
        return 0;
    }
    length = semi + 1;
    return v;
}

// UTF-8 bytes onto `out`; runs of ASCII without a conversion.
void appendUtf8(QString& out, const char* data, size_t size) {
    for (size_t i = 0; i < size; ++i)
        if (static_cast<unsigned char>(data[i]) >= 0x80) {
            out += QString::fromUtf8(data, qsizetype(size));
            return;
        }
    out += QLatin1String(data, qsizetype(size));
}

bool entitiesValid(std::string_view s) {
    for (size_t i = s.find('&'); i != std::string_view::npos; i = s.find('&', i + 1)) {
        size_t length = 0;
        if (!entity(s.substr(i + 1), length)) return false;
    }
    return true;
}

} // namespace

PlainXml::PlainXml(QByteArrayView bytes) : p_(bytes.data()), end_(bytes.data() + bytes.size()) {
    if (bytes.startsWith("\xEF\xBB\xBF")) p_ += 3;
    begin_ = p_;
    bool plain = bytes.isValidUtf8();
    for (const char* q = p_; q < end_ && plain; ++q) {
        const auto b = static_cast<unsigned char>(*q);
        // Control characters other than tab and line feed, carriage returns (which XML turns
        // into line feeds) and the two non-characters U+FFFE, U+FFFF.
        if (b < 0x20 && b != '\t' && b != '\n') plain = false;
        if (b == 0xEF && end_ - q >= 3 && static_cast<unsigned char>(q[1]) == 0xBF &&
            static_cast<unsigned char>(q[2]) >= 0xBE)
            plain = false;
    }
    if (!plain) token_ = Token::GiveUp;
}

std::string_view PlainXml::attribute(std::string_view name) const {
    for (const Attribute& a : attributes_)
        if (a.name == name) return a.value;
    return {};
}

void PlainXml::appendText(QString& out) const {
    if (cdata_) {
        appendUtf8(out, text_.data(), text_.size());
        return;
    }
    std::string_view s = text_;
    for (size_t amp = s.find('&'); amp != std::string_view::npos; amp = s.find('&')) {
        appendUtf8(out, s.data(), amp);
        size_t length = 0;
        const uint v = entity(s.substr(amp + 1), length);
        const char32_t c = v;
        out += QStringView(QString::fromUcs4(&c, 1));
        s.remove_prefix(amp + 1 + length);
    }
    appendUtf8(out, s.data(), s.size());
}

bool PlainXml::prefixDeclared(std::string_view prefix) const {
    if (prefix == "xml" || prefix == "xmlns") return true;
    for (const auto& [declared, depth] : prefixes_)
        if (declared == prefix) return true;
    return false;
}

bool PlainXml::readTag(bool end) {
    const char* q = p_;
    if (q == end_ || !isNameStart(*q)) return false;
    const char* start = q;
    while (q < end_ && isNameChar(*q))
        ++q;
    name_ = std::string_view(start, size_t(q - start));
    if (name_.find(':') != std::string_view::npos) return false;
    attributes_.clear();
    selfClosing_ = false;
    while (true) {
        const char* blanks = q;
        while (q < end_ && isBlank(*q))
            ++q;
        if (q == end_) return false;
        if (*q == '>') {
            ++q;
            break;
        }
        if (!end && *q == '/' && q + 1 < end_ && q[1] == '>') {
            q += 2;
            selfClosing_ = true;
            break;
        }
        if (end || q == blanks || !isNameStart(*q)) return false;
        start = q;
        while (q < end_ && isNameChar(*q))
            ++q;
        const std::string_view attr(start, size_t(q - start));
        while (q < end_ && isBlank(*q))
            ++q;
        if (q == end_ || *q != '=') return false;
        ++q;
        while (q < end_ && isBlank(*q))
            ++q;
        if (q == end_ || (*q != '"' && *q != '\'')) return false;
        const char quote = *q++;
        start = q;
        while (q < end_ && *q != quote && *q != '<' && *q != '&' && *q != '\t' && *q != '\n')
            ++q;
        // Entities and characters XML would normalise: the general reader's work.
        if (q == end_ || *q != quote) return false;
        for (const Attribute& a : attributes_)
            if (a.name == attr) return false;
        attributes_.push_back({attr, std::string_view(start, size_t(q - start))});
        ++q;
    }
    p_ = q;
    if (end) return true;
    // Namespace prefixes: those declared here count for the attributes here.
    for (const Attribute& a : attributes_)
        if (a.name.substr(0, 6) == "xmlns:")
            prefixes_.push_back({a.name.substr(6), open_.size() + 1});
    for (const Attribute& a : attributes_) {
        const size_t colon = a.name.find(':');
        if (colon != std::string_view::npos &&
            (colon == 0 || colon + 1 == a.name.size() || !prefixDeclared(a.name.substr(0, colon))))
            return false;
    }
    return true;
}

PlainXml::Token PlainXml::next() {
    if (token_ == Token::GiveUp || token_ == Token::Done) return token_;
    const auto pop = [this] {
        open_.pop_back();
        while (!prefixes_.empty() && prefixes_.back().second > open_.size())
            prefixes_.pop_back();
    };
    if (pendingEnd_) {
        pendingEnd_ = false;
        pop();
        return token_ = Token::End;
    }
    while (true) {
        if (p_ == end_) return open_.empty() && rootSeen_ ? token_ = Token::Done : giveUp();
        if (*p_ != '<') {
            const char* lt = static_cast<const char*>(std::memchr(p_, '<', size_t(end_ - p_)));
            if (!lt) lt = end_;
            text_ = std::string_view(p_, size_t(lt - p_));
            p_ = lt;
            if (open_.empty()) {
                for (char c : text_)
                    if (!isBlank(c)) return giveUp();
                continue;
            }
            if (text_.find("]]>") != std::string_view::npos || !entitiesValid(text_))
                return giveUp();
            cdata_ = false;
            return token_ = Token::Text;
        }
        const std::string_view rest(p_, size_t(end_ - p_));
        if (rest.substr(0, 4) == "<!--") {
            const size_t close = rest.find("--", 4);
            if (close == std::string_view::npos || rest.substr(close, 3) != "-->") return giveUp();
            p_ += close + 3;
            continue;
        }
        if (rest.substr(0, 9) == "<![CDATA[") {
            const size_t close = rest.find("]]>", 9);
            if (open_.empty() || close == std::string_view::npos) return giveUp();
            text_ = rest.substr(9, close - 9);
            p_ += close + 3;
            cdata_ = true;
            return token_ = Token::Text;
        }
        if (rest.substr(0, 2) == "<!") return giveUp(); // a DOCTYPE
        if (rest.substr(0, 2) == "<?") {
            const size_t close = rest.find("?>");
            if (close == std::string_view::npos) return giveUp();
            const std::string_view pi = rest.substr(2, close - 2);
            size_t n = 0;
            while (n < pi.size() && isNameChar(pi[n]))
                ++n;
            const std::string_view target = pi.substr(0, n);
            if (n == 0 || target.find(':') != std::string_view::npos) return giveUp();
            if (target.size() == 3 && (target[0] | 0x20) == 'x' && (target[1] | 0x20) == 'm' &&
                (target[2] | 0x20) == 'l') {
                // The declaration, first in the part, naming UTF-8 if any encoding.
                if (target != "xml" || begin_ != p_ || rootSeen_ || !open_.empty()) return giveUp();
                const size_t enc = pi.find("encoding");
                if (enc != std::string_view::npos) {
                    const size_t quote = pi.find_first_of("\"'", enc);
                    if (quote == std::string_view::npos) return giveUp();
                    std::string name(pi.substr(quote + 1, 5));
                    for (char& c : name)
                        c = char(c | 0x20);
                    if (name != "utf-8" || pi.size() <= quote + 6 || pi[quote + 6] != pi[quote])
                        return giveUp();
                }
            }
            p_ += close + 2;
            continue;
        }
        if (rest.substr(0, 2) == "</") {
            p_ += 2;
            if (!readTag(true) || open_.empty() || open_.back() != name_) return giveUp();
            pop();
            return token_ = Token::End;
        }
        ++p_;
        if ((open_.empty() && rootSeen_) || !readTag(false)) return giveUp();
        open_.push_back(name_);
        rootSeen_ = true;
        pendingEnd_ = selfClosing_;
        return token_ = Token::Start;
    }
}

bool PlainXml::elementText(QString& out, bool children) {
    return walkElement(&out, children);
}

bool PlainXml::skipElement() {
    return walkElement(nullptr, true);
}

bool PlainXml::walkElement(QString* out, bool children) {
    int depth = 0;
    while (true) {
        switch (next()) {
        case Token::Text:
            if (out) appendText(*out);
            break;
        case Token::Start:
            if (!children) {
                giveUp();
                return false;
            }
            ++depth;
            break;
        case Token::End:
            if (depth-- == 0) return true;
            break;
        case Token::Done:
        case Token::GiveUp:
            return false;
        }
    }
}

} // namespace sheets
