// Reading CSV files and telling their encoding.
#include "sheets/sheet_read.h"

#include "core/win1252.h"

#include <algorithm>
#include <array>

namespace sheets {

namespace {

// Length of the well-formed UTF-8 sequence at p[0..n), 0 when there is none: overlong forms,
// surrogates and code points past U+10FFFF are not well-formed.
int utf8Sequence(const uchar* p, qsizetype n) {
    const uchar b = p[0];
    if (b < 0x80) return 1;
    int length = 0;
    uchar low = 0x80, high = 0xBF; // the range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0) low = 0xA0;
        if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (n < length || p[1] < low || p[1] > high) return 0;
    for (int i = 2; i < length; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF) return 0;
    return length;
}

// Bytes that Windows-1252 leaves undefined, and control characters that no sheet's text holds.
bool implausible1252(uchar b) {
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D ||
           (b < 0x20 && b != '\t' && b != '\n' && b != '\r');
}

// The byte at `at` (0-based) as the user is told of it, on line `line`.
BadByte badByteAt(QByteArrayView bytes, qsizetype at, qint64 lines) {
    return {lines, qint64(at) + 1, uchar(bytes[at])};
}

// UTF-16 after its byte-order mark; an unpaired surrogate or an odd last byte is a bad byte.
DecodedText decodeUtf16(QByteArrayView bytes, bool littleEndian) {
    DecodedText d;
    const qsizetype units = (bytes.size() - 2) / 2;
    d.text.resize(units);
    qint64 line = 1;
    const auto unit = [&](qsizetype i) {
        const auto a = uchar(bytes[2 + 2 * i]), b = uchar(bytes[3 + 2 * i]);
        return char16_t(littleEndian ? a | b << 8 : b | a << 8);
    };
    for (qsizetype i = 0; i < units; ++i) {
        const char16_t u = unit(i);
        const bool high = QChar::isHighSurrogate(u), low = QChar::isLowSurrogate(u);
        if (low || (high && (i + 1 == units || !QChar::isLowSurrogate(unit(i + 1))))) {
            d.bad = badByteAt(bytes, 2 + 2 * i, line);
            return d;
        }
        if (u == u'\n') ++line;
        d.text[i] = QChar(u);
    }
    if (bytes.size() % 2) d.bad = badByteAt(bytes, bytes.size() - 1, line);
    return d;
}

} // namespace

DecodedText decodeSheetText(const QByteArray& all) {
    const QByteArrayView bytes(all);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return decodeUtf16(bytes, bytes[0] == '\xFF');
    const qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype n = bytes.size();
    // One pass: the first byte that is not UTF-8, and whether any letter beyond ASCII is.
    qsizetype firstBad = -1;
    qint64 badLine = 1, lines = 1;
    bool multibyte = false;
    for (qsizetype i = start; i < n;) {
        const int length = utf8Sequence(p + i, n - i);
        if (length == 0) {
            if (firstBad < 0) {
                firstBad = i;
                badLine = lines;
            }
            ++i;
            continue;
        }
        multibyte = multibyte || length > 1;
        if (p[i] == '\n') ++lines;
        i += length;
    }
    DecodedText d;
    if (firstBad < 0) {
        d.text = QString::fromUtf8(bytes.sliced(start));
        return d;
    }
    // Windows-1252 only when nothing says UTF-8: no byte-order mark and no UTF-8 letter anywhere.
    // A file with both is mixed, and either reading would change some names.
    if (start > 0 || multibyte) {
        d.bad = badByteAt(bytes, firstBad, badLine);
        return d;
    }
    lines = 1;
    for (qsizetype i = 0; i < n; ++i) {
        if (implausible1252(p[i])) {
            d.bad = badByteAt(bytes, i, lines);
            return d;
        }
        if (p[i] == '\n') ++lines;
    }
    d.text = core::fromWin1252(all);
    return d;
}

namespace {

// Splits CSV text into records of cells, within the budget. `maxRecords` < 0: the whole text.
SheetRows parseCsv(QStringView text, QChar delimiter, SheetBudget& budget,
                   qsizetype maxRecords = -1) {
    SheetRows rows;
    QStringList row;
    QString cell;
    bool quoted = false;      // inside a quoted part
    bool cellTouched = false; // the record has content (a cell, a delimiter or quotes)
    const auto endCell = [&] {
        row.append(cell);
        cell.clear();
        return budget.cell(row.last().size(), row.size(), qint64(rows.size()) + 1);
    };
    const auto endRecord = [&] {
        const bool ok = endCell();
        rows.push_back(std::move(row));
        row = QStringList();
        cellTouched = false;
        return ok && budget.row(qint64(rows.size()));
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    cell += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
        } else if (c == u'"' && cell.isEmpty()) {
            quoted = true;
            cellTouched = true;
        } else if (c == delimiter) {
            if (!endCell()) return rows;
            cellTouched = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
            if (cellTouched || !cell.isEmpty() || !row.isEmpty()) {
                if (!endRecord()) return rows;
            } else {
                rows.emplace_back(); // a blank line keeps its place
                if (!budget.row(qint64(rows.size()))) return rows;
            }
            if (maxRecords >= 0 && qsizetype(rows.size()) >= maxRecords) return rows;
        } else {
            cell += c; // a quote inside an unquoted cell is text
            cellTouched = true;
        }
        // A quote left open would otherwise take the rest of the file into one cell.
        if (cell.size() > kMaxCellChars) {
            budget.fail(SheetLimit::CellLength, qint64(rows.size()) + 1);
            return rows;
        }
    }
    if (cellTouched || !cell.isEmpty() || !row.isEmpty()) endRecord();
    return rows;
}

} // namespace

QChar sniffCsvDelimiter(QStringView text) {
    // The delimiter that gives most records as many cells as the heading (two at least); on
    // a tie ";" first, as Italian spreadsheets write it, then tab.
    constexpr std::array<char16_t, 3> kCandidates = {u';', u'\t', u','};
    const QStringView sample = text.left(64 * 1024);
    QChar best = u';';
    qsizetype bestSame = -1;
    for (char16_t d : kCandidates) {
        SheetBudget sampleOnly; // a sample past a limit still tells the delimiter
        const SheetRows rows = parseCsv(sample, QChar(d), sampleOnly, 50);
        if (rows.empty() || rows.front().size() < 2) continue;
        const qsizetype width = rows.front().size();
        qsizetype same = 0;
        for (size_t r = 1; r < rows.size(); ++r)
            if (rows[r].size() == width) ++same;
        if (same > bestSame) {
            best = QChar(d);
            bestSame = same;
        }
    }
    return best;
}

SheetFile readCsv(const QByteArray& bytes) {
    const DecodedText decoded = decodeSheetText(bytes);
    if (decoded.bad) return SheetFile::badByte(*decoded.bad);
    SheetBudget budget;
    SheetRows rows = parseCsv(decoded.text, sniffCsvDelimiter(decoded.text), budget);
    if (budget.passed) return SheetFile::tooLarge(budget);
    return SheetFile::of(std::move(rows));
}

} // namespace sheets
