#include "book/page_list.h"

#include "core/text.h"

namespace book {

namespace {

void appendFitted(QString& out, const QString& text, int width) {
    out += text.left(width);
    for (qsizetype i = text.size(); i < width; ++i)
        out += u' ';
}

} // namespace

QString pageLine(const char* record) {
    const core::RecordLayout& l = pageLayout();
    QString line;
    line.reserve(160);
    line += u"N. Ord. "_qs;
    appendFitted(line, l.load(record, rowField(0, Ordine)), 6);
    line += u"  Socio: "_qs;
    appendFitted(line, l.load(record, rowField(0, Socio)), 30);
    line += u"  C.F. "_qs;
    appendFitted(line, l.load(record, rowField(0, CodFiscSocio)), 16);
    line += u"  Tessera: "_qs;
    appendFitted(line, l.load(record, rowField(0, Tessera)), 20);
    line += u"  Tel. "_qs;
    appendFitted(line, l.load(record, rowField(0, Telefono)), 15);
    line += u" Quota: € "_qs;
    line += l.load(record, rowField(0, Quota));
    return line;
}

PageList readPageList(const QString& registerPath) {
    PageList list;
    const core::RecordLayout& l = pageLayout();
    list.ok = pageArchive(registerPath).scan([&](qint64 number, const char* record) {
        // Only the length byte is needed to tell an empty register number.
        if (static_cast<unsigned char>(record[l.offset(Numero)]) == 0 ||
            l.load(record, Numero).isEmpty())
            return true;
        list.lines << pageLine(record);
        list.pages.push_back(number);
        return true;
    });
    return list;
}

std::optional<qint64> pageOfLine(const PageList& list, int row) {
    if (row < 0 || row >= list.lines.size()) return std::nullopt;
    const QString wanted = core::trimText(list.lines[row]);
    for (qsizetype i = list.lines.size() - 1; i >= 0; --i)
        if (core::trimText(list.lines[i]) == wanted) return list.pages[i];
    return std::nullopt;
}

std::optional<PageValues> readPage(const QString& registerPath, qint64 page) {
    return pageArchive(registerPath).read(page);
}

} // namespace book
