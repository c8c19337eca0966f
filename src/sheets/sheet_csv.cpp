// Reading CSV files and telling their encoding.
#include "sheets/sheet_read.h"

#include "core/win1252.h"

#include <QStringDecoder>

#include <array>

namespace sheets {

QString decodeSheetText(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes[0] == '\xFF' ? QStringDecoder::Utf16LE
                                                : QStringDecoder::Utf16BE);
        return utf16.decode(QByteArrayView(bytes).sliced(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? core::fromWin1252(bytes) : text;
}

namespace {

// Splits CSV text into records of cells. `maxRecords` < 0: the whole text.
SheetRows parseCsv(QStringView text, QChar delimiter, qsizetype maxRecords = -1) {
    SheetRows rows;
    QStringList row;
    QString cell;
    bool quoted = false;      // inside a quoted part
    bool cellTouched = false; // the record has content (a cell, a delimiter or quotes)
    const auto endCell = [&] {
        row.append(cell);
        cell.clear();
    };
    const auto endRecord = [&] {
        endCell();
        rows.push_back(std::move(row));
        row = QStringList();
        cellTouched = false;
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
            continue;
        }
        if (c == u'"' && cell.isEmpty()) {
            quoted = true;
            cellTouched = true;
        } else if (c == delimiter) {
            endCell();
            cellTouched = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
            if (cellTouched || !cell.isEmpty() || !row.isEmpty())
                endRecord();
            else
                rows.emplace_back(); // a blank line keeps its place
            if (maxRecords >= 0 && qsizetype(rows.size()) >= maxRecords) return rows;
        } else {
            cell += c; // a quote inside an unquoted cell is text
            cellTouched = true;
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
        const SheetRows rows = parseCsv(sample, QChar(d), 50);
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

SheetRows readCsv(const QByteArray& bytes) {
    const QString text = decodeSheetText(bytes);
    return parseCsv(text, sniffCsvDelimiter(text));
}

} // namespace sheets
