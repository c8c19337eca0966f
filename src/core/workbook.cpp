#include "core/workbook.h"

#include "core/win1252.h"

#include <QFile>

#include <quazip.h>
#include <quazipfile.h>

#include <dlfcn.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <string>

namespace core {

namespace {

// The library's functions, reached through its own lookup scope. QuaZip (the spreadsheet
// import) carries a copy of minizip that exports the same zip symbols with another meaning;
// linked normally, libxlsxwriter would bind to those and crash on the first workbook. Loaded
// with RTLD_DEEPBIND, it binds to the real minizip it depends on, and QuaZip stays untouched.
#define QV_XLSX_FUNCTIONS(X)                                                                       \
    X(workbook_new_opt)                                                                            \
    X(workbook_add_worksheet)                                                                      \
    X(workbook_set_properties)                                                                     \
    X(workbook_add_format)                                                                         \
    X(workbook_close)                                                                              \
    X(format_set_bold)                                                                             \
    X(format_set_num_format)                                                                       \
    X(worksheet_set_column_pixels)                                                                 \
    X(worksheet_freeze_panes)                                                                      \
    X(worksheet_autofilter)                                                                        \
    X(worksheet_write_string)                                                                      \
    X(worksheet_write_number)                                                                      \
    X(worksheet_write_datetime)                                                                    \
    X(worksheet_write_blank)

struct Xlsx {
#define QV_XLSX_MEMBER(name) decltype(&::name) name = nullptr;
    QV_XLSX_FUNCTIONS(QV_XLSX_MEMBER)
#undef QV_XLSX_MEMBER
};

// Null when the library cannot be loaded: the export then fails with its message.
const Xlsx* xlsx() {
    static const Xlsx* loaded = []() -> const Xlsx* {
        void* handle = nullptr;
        for (const char* name : {"libxlsxwriter.so.4", "libxlsxwriter.so"})
            if (!handle) handle = ::dlopen(name, RTLD_NOW | RTLD_LOCAL | RTLD_DEEPBIND);
        if (!handle) return nullptr;
        static Xlsx functions;
        bool all = true;
#define QV_XLSX_LOAD(name)                                                                         \
    functions.name = reinterpret_cast<decltype(&::name)>(::dlsym(handle, #name));                  \
    all = all && functions.name;
        QV_XLSX_FUNCTIONS(QV_XLSX_LOAD)
#undef QV_XLSX_LOAD
        return all ? &functions : nullptr;
    }();
    return loaded;
}

// UTF-8 of every Windows-1252 byte, built once from the shared decoder.
const std::array<std::string, 256>& utf8OfByte() {
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> t;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            t[size_t(b)] = fromWin1252(&byte, 1).toStdString();
        }
        return t;
    }();
    return table;
}

void appendUtf8(std::string& out, QByteArrayView bytes) {
    const auto& table = utf8OfByte();
    for (const char c : bytes) {
        if (uchar(c) < 0x80)
            out.push_back(c);
        else
            out += table[uchar(c)];
    }
}

QByteArrayView trimmed(QByteArrayView s) {
    const auto trimmable = [](char c) { return uchar(c) <= 0x20 || uchar(c) == 0x7F; };
    qsizetype b = 0, e = s.size();
    while (b < e && trimmable(s[b]))
        ++b;
    while (e > b && trimmable(s[e - 1]))
        --e;
    return s.sliced(b, e - b);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitsAt(QByteArrayView s, qsizetype from, qsizetype count) {
    int n = 0;
    for (qsizetype i = from; i < from + count; ++i)
        n = n * 10 + (s[i] - '0');
    return n;
}

// Owns the library's workbook: closing it (which also frees it) happens exactly once.
class Book {
public:
    Book(const Xlsx& x, const QString& path) : x_(x) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.use_zip64 = LXW_TRUE; // a large archive may pass 4 GB of sheet XML
        book_ = x_.workbook_new_opt(QFile::encodeName(path).constData(), &options);
    }
    ~Book() { close(); }
    lxw_workbook* get() const { return book_; }
    bool close() {
        if (!book_) return false;
        const lxw_error e = x_.workbook_close(book_);
        book_ = nullptr;
        return e == LXW_NO_ERROR;
    }

private:
    const Xlsx& x_;
    lxw_workbook* book_ = nullptr;
};

// Whether the package at `path` holds every part whole and a sheet of `rows` rows, closed. The
// library never checks the writes to its temporary files: a full disk there cuts the sheet short
// and still gives a valid package, which only reading it back tells apart.
bool packageComplete(const QString& path, qsizetype rows) {
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip)) return false;
    bool sheetSeen = false;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString name = zip.getCurrentFileName();
        const bool sheet = name == u"xl/worksheets/sheet1.xml";
        QuaZipFile part(&zip);
        if (!part.open(QIODevice::ReadOnly)) return false;
        QByteArray chunk(1 << 16, Qt::Uninitialized), tail;
        qsizetype rowEnds = 0;
        for (qint64 n; (n = part.read(chunk.data(), chunk.size())) > 0;) {
            // The last bytes of the chunk before ride along, so a tag split between reads counts.
            const QByteArray window = tail + QByteArray::fromRawData(chunk.constData(), n);
            if (sheet) rowEnds += window.count("</row>") - tail.count("</row>");
            tail = window.right(16);
        }
        part.close();
        if (part.getZipError() != UNZ_OK) return false; // a read error or a wrong checksum
        if (!tail.trimmed().endsWith('>')) return false;
        if (sheet) {
            sheetSeen = true;
            if (!tail.trimmed().endsWith("</worksheet>") || rowEnds != rows) return false;
        }
    }
    return sheetSeen && zip.getZipError() == UNZ_OK;
}

// Euro, two decimals, thousands grouped; the sign shows only on expenses.
constexpr char kAmountFormat[] = "#,##0.00 \"\xe2\x82\xac\";-#,##0.00 \"\xe2\x82\xac\"";

} // namespace

std::optional<QDate> workbookDate(QByteArrayView s) {
    if (s.size() != 10 || s[2] != '/' || s[5] != '/') return std::nullopt;
    for (const qsizetype i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!isDigit(s[i])) return std::nullopt;
    const QDate d(digitsAt(s, 6, 4), digitsAt(s, 3, 2), digitsAt(s, 0, 2));
    if (!d.isValid() || d.year() < 1900) return std::nullopt;
    return d;
}

std::optional<qint64> workbookCents(QByteArrayView s) {
    const bool signed_ = !s.isEmpty() && (s[0] == '+' || s[0] == '-');
    const QByteArrayView body = signed_ ? s.sliced(1) : s;
    const qsizetype whole = body.size() - 3;
    // 13 whole digits stay exact through a double and far beyond any association's money.
    if (whole < 1 || whole > 13 || body[whole] != ',' || (whole > 1 && body[0] == '0'))
        return std::nullopt;
    qint64 cents = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (i == whole) continue;
        if (!isDigit(body[i])) return std::nullopt;
        cents = cents * 10 + (body[i] - '0');
    }
    return signed_ && s[0] == '-' ? -cents : cents;
}

bool writeWorkbook(const QString& path, const QString& sheetName,
                   std::span<const SheetColumn> columns, const CellTable& rows, int firstColumn) {
    const Xlsx* lib = xlsx();
    if (!lib) return false;
    const Xlsx& x = *lib;
    Book book(x, path);
    if (!book.get()) return false;
    lxw_workbook* wb = book.get();
    const std::string title = sheetName.toStdString();
    lxw_worksheet* sheet = x.workbook_add_worksheet(wb, title.c_str());
    if (!sheet) return false;

    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(title.c_str());
    properties.author = const_cast<char*>("Quorvix 5.0");
    x.workbook_set_properties(wb, &properties);

    lxw_format* bold = x.workbook_add_format(wb);
    x.format_set_bold(bold);
    lxw_format* date = x.workbook_add_format(wb);
    x.format_set_num_format(date, "dd/mm/yyyy");
    lxw_format* amount = x.workbook_add_format(wb);
    x.format_set_num_format(amount, kAmountFormat);
    lxw_format* code = x.workbook_add_format(wb);
    x.format_set_num_format(code, "@"); // stays text when edited, so no digit is lost

    const int n = int(columns.size());
    std::string text;
    bool ok = true;
    for (int c = 0; c < n && ok; ++c) {
        ok = x.worksheet_set_column_pixels(sheet, lxw_col_t(c), lxw_col_t(c),
                                           uint32_t(std::max(columns[size_t(c)].width, 0)),
                                           nullptr) == LXW_NO_ERROR;
        text = columns[size_t(c)].heading.toStdString();
        ok = ok &&
             x.worksheet_write_string(sheet, 0, lxw_col_t(c), text.c_str(), bold) == LXW_NO_ERROR;
    }
    if (n > 0) {
        x.worksheet_freeze_panes(sheet, 1, 0);
        ok = ok &&
             x.worksheet_autofilter(sheet, 0, 0, lxw_row_t(std::max<qsizetype>(rows.rowCount(), 0)),
                                    lxw_col_t(n - 1)) == LXW_NO_ERROR;
    }

    const int inTable = std::clamp(rows.columnCount() - firstColumn, 0, n);
    for (qsizetype r = 0; r < rows.rowCount() && ok; ++r) {
        // Past the sheet's last row the library refuses the cell: the export fails rather
        // than leave rows out.
        const auto row = lxw_row_t(r + 1);
        bool any = false;
        for (int c = 0; c < inTable && ok; ++c) {
            const QByteArrayView cell = trimmed(rows.bytes(r, firstColumn + c));
            if (cell.isEmpty()) continue;
            any = true;
            const auto col = lxw_col_t(c);
            lxw_error e = LXW_NO_ERROR;
            bool written = false;
            switch (columns[size_t(c)].type) {
            case CellType::Date:
                if (const auto d = workbookDate(cell)) {
                    lxw_datetime when{d->year(), d->month(), d->day(), 0, 0, 0};
                    e = x.worksheet_write_datetime(sheet, row, col, &when, date);
                    written = true;
                }
                break;
            case CellType::Amount:
                if (const auto cents = workbookCents(cell)) {
                    e = x.worksheet_write_number(sheet, row, col, double(*cents) / 100.0, amount);
                    written = true;
                }
                break;
            case CellType::Code:
            case CellType::Text:
                break;
            }
            if (!written) {
                text.clear();
                appendUtf8(text, cell);
                e = x.worksheet_write_string(sheet, row, col, text.c_str(),
                                             columns[size_t(c)].type == CellType::Text ? nullptr
                                                                                       : code);
            }
            ok = e == LXW_NO_ERROR;
        }
        // A row whose cells are all empty still gets its place, so the sheet keeps every row
        // of the grid (the library writes a blank cell only when it has a format).
        if (ok && !any && n > 0) ok = x.worksheet_write_blank(sheet, row, 0, code) == LXW_NO_ERROR;
    }
    // Every grid row plus the headings, each with at least one cell.
    return book.close() && ok && packageComplete(path, n > 0 ? 1 + rows.rowCount() : 0);
}

} // namespace core
