#include "core/spreadsheet.h"

#include "core/text.h"
#include "core/win1252.h"

#include <QBuffer>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <array>
#include <cstring>
#include <memory>

namespace core {

namespace {

// Windows-1252 byte of every BMP character, built once from the shared encoder.
const std::array<char, 0x10000>& codePage() {
    static const std::unique_ptr<std::array<char, 0x10000>> table = [] {
        auto t = std::make_unique<std::array<char, 0x10000>>();
        QString all(0x10000, Qt::Uninitialized);
        for (int c = 0; c < 0x10000; ++c)
            all[c] = (c >= 0xD800 && c <= 0xDFFF) ? QChar(u'?') : QChar(char16_t(c));
        const QByteArray bytes = toWin1252(all);
        std::copy(bytes.begin(), bytes.end(), t->begin());
        return t;
    }();
    return *table;
}

// & < > become entities and line breaks character references, so the document stays one line
// and the markup cannot be broken by the data. Empty for every other character.
QByteArrayView escapeOf(char16_t c) {
    switch (c) {
    case u'&':
        return "&amp;";
    case u'<':
        return "&lt;";
    case u'>':
        return "&gt;";
    case u'\r':
        return "&#13;";
    case u'\n':
        return "&#10;";
    default:
        return {};
    }
}

constexpr std::array<bool, 256> kEscaped = [] {
    std::array<bool, 256> t{};
    for (const char c : {'&', '<', '>', '\r', '\n'})
        t[uchar(c)] = true;
    return t;
}();

// The first byte from `p` on that needs an escape, or `end`. Sixteen bytes at a time where the
// processor allows: most rows of an archive have none, and are then copied as they are.
const char* nextEscaped(const char* p, const char* end) {
#if defined(__SSE2__)
    const __m128i amp = _mm_set1_epi8('&'), lt = _mm_set1_epi8('<'), gt = _mm_set1_epi8('>');
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i hit =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, amp), _mm_cmpeq_epi8(v, lt)),
                         _mm_or_si128(_mm_cmpeq_epi8(v, gt),
                                      _mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf))));
        if (const int mask = _mm_movemask_epi8(hit)) return p + __builtin_ctz(unsigned(mask));
    }
#endif
    while (p < end && !kEscaped[uchar(*p)])
        ++p;
    return p;
}

QByteArrayView trimmedBytes(QByteArrayView s) {
    const auto trimmable = [](char c) { return uchar(c) <= 0x20 || uchar(c) == 0x7F; };
    qsizetype b = 0, e = s.size();
    while (b < e && trimmable(s[b]))
        ++b;
    while (e > b && trimmable(s[e - 1]))
        --e;
    return s.sliced(b, e - b);
}

// The document goes out through one fixed buffer: a large export never holds the whole file,
// and the many small pieces of markup cost a copy each, nothing more.
class Chunks {
public:
    explicit Chunks(QIODevice& out) : out_(out), buf_(new char[kChunk]) {}

    void ascii(QByteArrayView s) { put(s.data(), s.size()); }
    template <size_t N> void ascii(const char (&s)[N]) { put(s, N - 1); } // size known here
    void number(int n) { ascii(QByteArray::number(n)); }

    // Encoded and escaped.
    void text(QStringView s) {
        const auto& cp = codePage();
        for (qsizetype i = 0; i < s.size(); ++i) {
            const char16_t c = s[i].unicode();
            if (const QByteArrayView entity = escapeOf(c); !entity.isEmpty()) {
                ascii(entity);
                continue;
            }
            if (QChar::isHighSurrogate(c) && i + 1 < s.size() &&
                QChar::isLowSurrogate(s[i + 1].unicode()))
                ++i; // one character outside the code page: one '?'
            put(&cp[c], 1);
        }
    }

    // Bytes already in the code page: the same escapes, copied in runs between them.
    void bytes(QByteArrayView s) {
        const char* run = s.data();
        const char* const end = run + s.size();
        while (true) {
            const char* p = nextEscaped(run, end);
            put(run, p - run);
            if (p == end) return;
            ascii(escapeOf(uchar(*p)));
            run = p + 1;
        }
    }

    // Room for `n` bytes written straight into the buffer (then `wrote`); null when `n` is more
    // than the buffer holds.
    char* room(qsizetype n) {
        if (used_ + n > kChunk) flush();
        return n <= kChunk ? buf_.get() + used_ : nullptr;
    }
    void wrote(const char* end) { used_ = end - buf_.get(); }

    bool finish() {
        flush();
        return ok_;
    }

private:
    static constexpr qsizetype kChunk = 1 << 20;

    inline void put(const char* data, qsizetype n) {
        if (used_ + n > kChunk) {
            flush();
            if (n > kChunk) { // larger than the buffer: straight to the device
                if (ok_) ok_ = out_.write(data, n) == n;
                return;
            }
        }
        std::memcpy(buf_.get() + used_, data, size_t(n));
        used_ += n;
    }
    void flush() {
        if (ok_ && used_ > 0) ok_ = out_.write(buf_.get(), used_) == used_;
        used_ = 0;
    }

    QIODevice& out_;
    std::unique_ptr<char[]> buf_;
    qsizetype used_ = 0;
    bool ok_ = true;
};

// Everything before the data rows: the workbook settings, the sheet name, the heading row.
void writeHead(Chunks& w, const QString& sheetName, std::span<const SheetColumn> columns) {
    w.ascii("<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
            "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
            "xmlns=\"http://www.w3.org/TR/REC-html40\">"
            "<head>"
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
            "<!--[if gte mso 9]><xml>"
            "<x:ExcelWorkbook>"
            "<x:ExcelWorksheets>"
            "<x:ExcelWorksheet>"
            "<x:Name>");
    w.text(sheetName);
    w.ascii("</x:Name>"
            "<x:WorksheetOptions>"
            "<x:Selected/>"
            "<x:Panes>"
            "<x:Pane>"
            "<x:Number>1</x:Number>"
            "<x:ActiveRow>3</x:ActiveRow>"
            "</x:Pane>"
            "</x:Panes>"
            "<x:ProtectContents>False</x:ProtectContents>"
            "<x:ProtectObjects>False</x:ProtectObjects>"
            "<x:ProtectScenarios>False</x:ProtectScenarios>"
            "</x:WorksheetOptions>"
            "</x:ExcelWorksheet>"
            "</x:ExcelWorksheets>"
            "</x:ExcelWorkbook>"
            "</xml><![endif]-->"
            "</head>"
            "<body>"
            "<table x:str>"
            "<tr>");
    for (const SheetColumn& c : columns) {
        w.ascii("<td style=\"text-align: left; font-weight: bold;\" width=");
        w.number(c.width);
        w.ascii(">");
        w.text(c.heading);
        w.ascii("</td>");
    }
    w.ascii("</tr>");
}

template <size_t N> char* copyLiteral(char* out, const char (&s)[N]) {
    std::memcpy(out, s, N - 1);
    return out + (N - 1);
}

constexpr char kCellStart[] = "<td style=\"text-align: left;\">";
constexpr char kCellEnd[] = "</td>";
constexpr char kTail[] = "</table></body></html>";

} // namespace

bool writeSpreadsheet(QIODevice& out, const QString& sheetName,
                      std::span<const SheetColumn> columns, qsizetype rowCount,
                      const SheetCell& cell) {
    Chunks w(out);
    writeHead(w, sheetName, columns);
    const auto n = qsizetype(columns.size());
    for (qsizetype r = 0; r < rowCount; ++r) {
        w.ascii("<tr>");
        for (qsizetype c = 0; c < n; ++c) {
            w.ascii(kCellStart);
            w.text(trimText(cell(r, c)));
            w.ascii(kCellEnd);
        }
        w.ascii("</tr>");
    }
    w.ascii(kTail);
    return w.finish();
}

bool writeSpreadsheet(QIODevice& out, const QString& sheetName,
                      std::span<const SheetColumn> columns, const CellTable& rows,
                      int firstColumn) {
    Chunks w(out);
    writeHead(w, sheetName, columns);
    const int n = int(columns.size());
    const int inTable = std::clamp(rows.columnCount() - firstColumn, 0, n);
    for (qsizetype r = 0; r < rows.rowCount(); ++r) {
        // A row's cells lie side by side: one look tells whether any of them needs escapes.
        const QByteArrayView row = rows.rowBytes(r);
        const bool plain =
            nextEscaped(row.data(), row.data() + row.size()) == row.data() + row.size();
        // Without escapes the row's size is known beforehand: it goes into the buffer in one
        // stretch, with no check between the pieces.
        const qsizetype most = qsizetype(sizeof "<tr></tr>") + row.size() +
                               n * qsizetype(sizeof kCellStart + sizeof kCellEnd);
        if (char* p = plain ? w.room(most) : nullptr) {
            p = copyLiteral(p, "<tr>");
            for (int c = 0; c < n; ++c) {
                p = copyLiteral(p, kCellStart);
                if (c < inTable) {
                    const QByteArrayView cell = trimmedBytes(rows.bytes(r, firstColumn + c));
                    std::memcpy(p, cell.data(), size_t(cell.size()));
                    p += cell.size();
                }
                p = copyLiteral(p, kCellEnd);
            }
            w.wrote(copyLiteral(p, "</tr>"));
            continue;
        }
        w.ascii("<tr>");
        for (int c = 0; c < n; ++c) {
            w.ascii(kCellStart);
            if (c < inTable) w.bytes(trimmedBytes(rows.bytes(r, firstColumn + c)));
            w.ascii(kCellEnd);
        }
        w.ascii("</tr>");
    }
    w.ascii(kTail);
    return w.finish();
}

QByteArray spreadsheetDocument(const QString& sheetName, std::span<const SheetColumn> columns,
                               const std::vector<QStringList>& rows) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeSpreadsheet(
        buffer, sheetName, columns, qsizetype(rows.size()),
        [&](qsizetype r, qsizetype c) { return c < rows[r].size() ? rows[r][c] : QString(); });
    return bytes;
}

void CellTable::reserve(qsizetype rows, qsizetype bytesPerRow) {
    bytes_.reserve(size_t(rows * bytesPerRow));
    rowStarts_.reserve(size_t(rows));
    ends_.reserve(size_t(rows * columns_));
}

void CellTable::addRow(const QStringList& texts) {
    for (int c = 0; c < columns_; ++c) {
        if (c < texts.size()) append(toWin1252(texts[c]));
        endCell();
    }
}

QString CellTable::text(qsizetype row, int column) const {
    const QByteArrayView b = bytes(row, column);
    return fromWin1252(b.data(), b.size());
}

} // namespace core
