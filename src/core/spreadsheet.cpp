#include "core/spreadsheet.h"

#include "core/text.h"
#include "core/win1252.h"

#include <QBuffer>

#include <array>
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

class Chunks {
public:
    explicit Chunks(QIODevice& out) : out_(out) { buf_.reserve(kChunk + 4096); }

    void ascii(const char* s) {
        buf_.append(s);
        flushIfFull();
    }
    void number(int n) { buf_.append(QByteArray::number(n)); }

    // Escaped and encoded: & < > become entities and line breaks character references, so
    // the document stays one line and the markup cannot be broken by the data.
    void text(QStringView s) {
        const auto& cp = codePage();
        for (qsizetype i = 0; i < s.size(); ++i) {
            const char16_t c = s[i].unicode();
            switch (c) {
            case u'&':
                buf_.append("&amp;");
                break;
            case u'<':
                buf_.append("&lt;");
                break;
            case u'>':
                buf_.append("&gt;");
                break;
            case u'\r':
                buf_.append("&#13;");
                break;
            case u'\n':
                buf_.append("&#10;");
                break;
            default:
                if (QChar::isHighSurrogate(c) && i + 1 < s.size() &&
                    QChar::isLowSurrogate(s[i + 1].unicode()))
                    ++i; // one character outside the code page: one '?'
                buf_.append(cp[c]);
            }
        }
        flushIfFull();
    }

    bool finish() {
        flush();
        return ok_;
    }

private:
    static constexpr qsizetype kChunk = 1 << 20;
    void flushIfFull() {
        if (buf_.size() >= kChunk) flush();
    }
    void flush() {
        if (ok_ && !buf_.isEmpty()) ok_ = out_.write(buf_) == buf_.size();
        buf_.clear();
    }

    QIODevice& out_;
    QByteArray buf_;
    bool ok_ = true;
};

} // namespace

bool writeSpreadsheet(QIODevice& out, const QString& sheetName,
                      std::span<const SheetColumn> columns, qsizetype rowCount,
                      const SheetCell& cell) {
    Chunks w(out);
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
    const auto n = qsizetype(columns.size());
    for (qsizetype r = 0; r < rowCount; ++r) {
        w.ascii("<tr>");
        for (qsizetype c = 0; c < n; ++c) {
            w.ascii("<td style=\"text-align: left;\">");
            w.text(trimText(cell(r, c)));
            w.ascii("</td>");
        }
        w.ascii("</tr>");
    }
    w.ascii("</table></body></html>");
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

} // namespace core
