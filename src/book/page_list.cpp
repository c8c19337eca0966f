#include "book/page_list.h"

namespace book {

namespace {

constexpr core::LinePiece kPageLine[] = {
    {u"N. Ord. ", rowField(0, Ordine), 6},       {u"  Socio: ", rowField(0, Socio), 30},
    {u"  C.F. ", rowField(0, CodFiscSocio), 16}, {u"  Tessera: ", rowField(0, Tessera), 20},
    {u"  Tel. ", rowField(0, Telefono), 15},     {u" Quota: \u20ac ", rowField(0, Quota), -1}};

} // namespace

core::ListRows readPageList(const QString& registerPath) {
    return core::fileOrderRows(pageArchive(registerPath), kPageLine, [](const char* record) {
        return pageLayout().bytes(record, Numero).isEmpty() ? core::Take::Leave : core::Take::Keep;
    });
}

std::optional<PageValues> readPage(const QString& registerPath, qint64 page) {
    return pageArchive(registerPath).read(page);
}

} // namespace book
