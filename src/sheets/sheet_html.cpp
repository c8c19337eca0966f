// Reading the HTML table of a ".xls" sheet, as our own export writes it.
#include "sheets/sheet_read.h"

#include "core/win1252.h"

#include <algorithm>
#include <array>

namespace sheets {

namespace {

// The text of an HTML document in the character set it declares.
DecodedText decodeHtml(const QByteArray& bytes) {
    const QByteArray head = bytes.left(4096).toLower();
    const qsizetype at = head.indexOf("charset=");
    if (at >= 0) {
        const QByteArray charset = head.mid(at + 8, 12);
        if (charset.startsWith("windows-1252") || charset.startsWith("iso-8859-1"))
            return {core::fromWin1252(bytes), {}};
    }
    return decodeSheetText(bytes);
}

// Tags that may stand inside a table and carry no text of their own. Anything else that
// starts with "<" is text (a cell written unescaped by other software).
bool isTableTag(const QString& name) {
    static const std::array<const char16_t*, 24> kTags = {
        u"table",  u"tr", u"td",  u"th",   u"thead", u"tbody", u"tfoot",    u"col",
        u"br",     u"p",  u"div", u"span", u"font",  u"b",     u"i",        u"u",
        u"strong", u"em", u"a",   u"sup",  u"sub",   u"nobr",  u"colgroup", u"caption"};
    for (const char16_t* t : kTags)
        if (name == QStringView(t)) return true;
    return false;
}

QString unescape(QStringView s) {
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        // An entity is short: a ";" further on is not looked for, so a run of "&" stays linear.
        const qsizetype semi =
            s[i] == u'&' ? s.sliced(i, std::min<qsizetype>(12, s.size() - i)).indexOf(u';') : -1;
        if (semi < 0) {
            out += s[i];
            continue;
        }
        const QStringView name = s.sliced(i + 1, semi - 1);
        char32_t code = 0;
        if (name == u"amp")
            code = u'&';
        else if (name == u"lt")
            code = u'<';
        else if (name == u"gt")
            code = u'>';
        else if (name == u"quot")
            code = u'"';
        else if (name == u"apos")
            code = u'\'';
        else if (name == u"nbsp")
            code = u' ';
        else if (name.startsWith(u'#')) {
            bool ok = false;
            const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
            const uint n = name.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            if (ok && n > 0 && n <= 0x10FFFF && (n < 0xD800 || n > 0xDFFF)) code = n;
        }
        if (code == 0) {
            out += s[i]; // not an entity we know: the text as written
            continue;
        }
        out += QString::fromUcs4(&code, 1);
        i += semi;
    }
    return out;
}

} // namespace

SheetFile readHtmlSheet(const QByteArray& bytes) {
    const DecodedText decoded = decodeHtml(bytes);
    if (decoded.bad) return SheetFile::badByte(*decoded.bad);
    const QString& text = decoded.text;
    const qsizetype start = text.indexOf(u"<table", 0, Qt::CaseInsensitive);
    if (start < 0) return SheetFile::failed(SheetError::NotASheet);
    qsizetype end = text.indexOf(u"</table", start, Qt::CaseInsensitive);
    if (end < 0) end = text.size();

    SheetBudget budget;
    SheetRows rows;
    bool inRow = false, inCell = false;
    QString cell;
    const auto endCell = [&] {
        bool ok = true;
        if (inCell) {
            QStringList& row = rows.back();
            row.append(unescape(cell));
            ok = budget.cell(row.last().size(), row.size(), qint64(rows.size()));
        }
        cell.clear();
        inCell = false;
        return ok;
    };
    const auto newRow = [&] {
        rows.emplace_back();
        inRow = true;
        return budget.row(qint64(rows.size()));
    };
    // The next ">" is looked for once per stretch, so a run of "<" stays linear.
    qsizetype nextGt = -2;
    const auto gtFrom = [&](qsizetype from) {
        if (nextGt != -1 && nextGt < from) nextGt = text.indexOf(u'>', from);
        return nextGt;
    };
    qsizetype i = start;
    while (i < end && !budget.passed) {
        const qsizetype lt = text.indexOf(u'<', i);
        const qsizetype stop = lt < 0 || lt > end ? end : lt;
        if (inCell) {
            cell += QStringView(text).sliced(i, stop - i);
            // Written escaped, a cell may take six times its length; beyond that it is too long.
            if (cell.size() > 6 * kMaxCellChars) {
                budget.fail(SheetLimit::CellLength, qint64(rows.size()));
                break;
            }
        }
        if (stop == end) break;
        if (QStringView(text).sliced(lt).startsWith(u"<!--")) {
            const qsizetype close = text.indexOf(u"-->", lt);
            i = close < 0 ? end : close + 3;
            continue;
        }
        qsizetype j = lt + 1;
        const bool closing = j < end && text[j] == u'/';
        if (closing) ++j;
        const qsizetype nameStart = j;
        while (j < end && text[j].isLetterOrNumber())
            ++j;
        const QString name = text.mid(nameStart, j - nameStart).toLower();
        const qsizetype gt = isTableTag(name) ? gtFrom(j) : -1;
        if (gt < 0 || gt > end) {
            if (inCell) cell += u'<';
            i = lt + 1;
            continue;
        }
        i = gt + 1;
        if (name == u"tr") {
            if (!endCell()) break;
            inRow = !closing;
            if (inRow && !newRow()) break;
        } else if (name == u"td" || name == u"th") {
            if (!endCell()) break;
            if (!closing) {
                if (!inRow && !newRow()) break;
                inCell = true;
            }
        } else if (inCell && (name == u"br" || name == u"p" || name == u"div")) {
            cell += u' ';
        }
    }
    endCell();
    if (budget.passed) return SheetFile::tooLarge(budget);
    return SheetFile::of(std::move(rows));
}

} // namespace sheets
