// Reading the first sheet of an XLSX workbook: the package through QuaZip, its parts with
// Qt's XML stream reader, one pass each.
#include "sheets/sheet_read.h"

#include "core/dates.h"
#include "core/money.h"
#include "core/yes_no.h"
#include "sheets/plain_xml.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>

#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace sheets {

namespace {

// Parts smaller than this inflate as they like.
constexpr qint64 kRatioFloor = qint64(1) << 20;

// The inflated bytes of one part as the XML reader asks for them, checked on the way: never
// more than the part declares, never inflating past the ratio, no stretch between two "<"
// longer than a cell may be and no nesting deeper than a sheet needs (the XML reader would
// keep either whole, whatever its size).
class GuardedPart : public QIODevice {
public:
    GuardedPart(QuaZipFile& file, qint64 declared, qint64 compressed)
        : file_(file), declared_(declared), compressed_(std::max<qint64>(compressed, 1)) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    // Read to its end, whole and as declared (what the XML reader left is read here).
    bool complete() {
        char rest[4096];
        while (!passed && !damaged_ && read(rest, sizeof rest) > 0) {
        }
        return !damaged_ && !passed && total_ == declared_;
    }
    std::optional<SheetLimit> passed;

protected:
    qint64 readData(char* data, qint64 max) override {
        if (passed || damaged_) return -1;
        if (max <= 0) return 0; // a probe, not the end
        const qint64 n = file_.read(data, max);
        if (n <= 0) {
            damaged_ = n < 0 || total_ != declared_;
            return damaged_ ? -1 : 0;
        }
        total_ += n;
        if (total_ > declared_)
            damaged_ = true;
        else if (total_ > kRatioFloor && total_ / compressed_ > kMaxInflateRatio)
            passed = SheetLimit::InflateRatio;
        else
            scan(data, n);
        return passed || damaged_ ? -1 : n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    void scan(const char* p, qint64 n) {
        for (qint64 i = 0; i < n && !passed; ++i) {
            const char b = p[i];
            if (++stretch_ > kMaxStretchBytes) passed = SheetLimit::CellLength;
            if (afterLt_) {
                afterLt_ = false;
                if (b == '/') {
                    --depth_;
                } else if (b != '!' && b != '?') {
                    inStartTag_ = true;
                    if (++depth_ > kMaxXmlDepth) passed = SheetLimit::XmlDepth;
                }
            } else if (inStartTag_) {
                if (quote_) {
                    if (b == quote_) quote_ = 0;
                } else if (b == '"' || b == '\'') {
                    quote_ = b;
                } else if (b == '>') {
                    if (last_ == '/') --depth_;
                    inStartTag_ = false;
                }
            }
            if (b == '<' && !quote_) {
                afterLt_ = true;
                inStartTag_ = false;
                stretch_ = 0;
            }
            last_ = b;
        }
    }

    // A text or a tag longer than this holds a cell longer than the limit (six bytes at most
    // stand for one character, as in "&quot;").
    static constexpr qint64 kMaxStretchBytes = 6 * kMaxCellChars + 1024;
    QuaZipFile& file_;
    qint64 declared_, compressed_, total_ = 0, stretch_ = 0;
    bool damaged_ = false, afterLt_ = false, inStartTag_ = false;
    char quote_ = 0, last_ = 0;
    int depth_ = 0;
};

using PartReader = std::function<bool(QXmlStreamReader&)>;
using PlainReader = std::function<bool(PlainXml&)>;

// Parts up to this size are inflated whole and read by PlainXml first.
constexpr qint64 kPlainPartBytes = qint64(32) << 20;

// Runs `read` over the XML of one part; false when the part is missing (unless optional),
// passes a limit (said in `budget`), is damaged or is not well-formed. With `plain`, the part is
// read by that first, and by `read` (which starts afresh) when PlainXml gives up on it.
bool readPart(QuaZip& zip, const QString& name, const PartReader& read, SheetBudget& budget,
              bool optional = false, const PlainReader& plain = {}) {
    if (!zip.setCurrentFile(name, QuaZip::csInsensitive)) return optional;
    QuaZipFileInfo64 info;
    if (!zip.getCurrentFileInfo(&info)) return false;
    // Refused before inflating a byte when the header says too much.
    if (info.uncompressedSize > quint64(kMaxPartBytes)) return budget.fail(SheetLimit::PartSize);
    const auto declared = qint64(info.uncompressedSize);
    const qint64 compressed = std::min(
        qint64(std::min(info.compressedSize, quint64(kMaxPartBytes))), zip.getIoDevice()->size());
    if (declared > kRatioFloor && declared / std::max<qint64>(compressed, 1) > kMaxInflateRatio)
        return budget.fail(SheetLimit::InflateRatio);
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::ReadOnly)) return false;
    GuardedPart part(file, declared, compressed);
    if (plain && declared <= kPlainPartBytes) {
        QByteArray bytes(declared, Qt::Uninitialized);
        qint64 got = 0;
        for (qint64 n = 0;
             got < declared && (n = part.read(bytes.data() + got, declared - got)) > 0;)
            got += n;
        bytes.truncate(got);
        const bool whole = part.complete();
        file.close();
        if (part.passed) return budget.fail(*part.passed);
        if (!whole || file.getZipError() != UNZ_OK) return false;
        const SheetBudget before = budget;
        PlainXml reader(bytes);
        const bool ok = plain(reader);
        if (reader.token() != PlainXml::Token::GiveUp) return ok && !budget.passed;
        budget = before;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QXmlStreamReader xml(&buffer);
        return read(xml) && !xml.hasError() && !budget.passed;
    }
    QXmlStreamReader xml(&part);
    const bool ok = read(xml) && !xml.hasError() && !budget.passed && part.complete();
    file.close();
    if (part.passed) return budget.fail(*part.passed);
    return ok && file.getZipError() == UNZ_OK;
}

bool atStart(QXmlStreamReader& xml, QStringView name) {
    return xml.isStartElement() && xml.name() == name;
}

// A relationship id attribute (r:id), whatever the prefix or flavour of the namespace.
QString relationshipId(const QXmlStreamAttributes& attributes) {
    for (const QXmlStreamAttribute& a : attributes)
        if (a.name() == u"id" && a.namespaceUri().endsWith(u"relationships"))
            return a.value().toString();
    return {};
}

struct Relationship {
    QString type, target;
};

// The relationships of a part ("" for the package's own): id -> (type, target resolved
// against the part's folder).
QHash<QString, Relationship> readRelationships(QuaZip& zip, const QString& part,
                                               SheetBudget& budget) {
    const QString folder = part.isEmpty() ? QString() : QFileInfo(part).path();
    const QString prefix = folder.isEmpty() || folder == u"." ? QString() : folder + u'/';
    const QString relsName = part.isEmpty()
                                 ? u"_rels/.rels"_qs
                                 : prefix + u"_rels/"_qs + QFileInfo(part).fileName() + u".rels"_qs;
    QHash<QString, Relationship> rels;
    readPart(
        zip, relsName,
        [&](QXmlStreamReader& xml) {
            while (!xml.atEnd()) {
                xml.readNext();
                if (!atStart(xml, u"Relationship")) continue;
                const auto a = xml.attributes();
                const QString target = a.value(u"Target"_qs).toString();
                rels.insert(
                    a.value(u"Id"_qs).toString(),
                    {a.value(u"Type"_qs).toString(),
                     target.startsWith(u'/') ? target.mid(1) : QDir::cleanPath(prefix + target)});
            }
            return true;
        },
        budget, true);
    return rels;
}

QString targetOfType(const QHash<QString, Relationship>& rels, QStringView typeEnd,
                     const QString& fallback) {
    for (const Relationship& r : rels)
        if (r.type.endsWith(typeEnd)) return r.target;
    return fallback;
}

// The text of an <si> or <is> element: its <t> runs, without phonetic runs.
QString richText(QXmlStreamReader& xml) {
    const QString element = xml.name().toString();
    QString text;
    int phonetic = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"rPh")
                ++phonetic;
            else if (xml.name() == u"t" && phonetic == 0)
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.isEndElement()) {
            if (xml.name() == u"rPh")
                --phonetic;
            else if (xml.name() == element)
                break;
        }
    }
    return text;
}

// The same over PlainXml; false when it gives up.
bool richText(PlainXml& xml, QString& text) {
    const std::string_view element = xml.name();
    int phonetic = 0;
    while (true) {
        switch (xml.next()) {
        case PlainXml::Token::Start:
            if (xml.name() == "rPh")
                ++phonetic;
            else if (xml.name() == "t" && phonetic == 0 && !xml.elementText(text, true))
                return false;
            break;
        case PlainXml::Token::End:
            if (xml.name() == "rPh")
                --phonetic;
            else if (xml.name() == element)
                return true;
            break;
        case PlainXml::Token::Text:
            break;
        case PlainXml::Token::Done:
        case PlainXml::Token::GiveUp:
            return false;
        }
    }
}

// A number format shows a date when its code has day or year parts outside quoted text,
// escapes and [colour] or [locale] brackets.
bool isDateFormatCode(const QString& code) {
    bool inQuote = false;
    int bracket = 0;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (inQuote) {
            inQuote = c != u'"';
        } else if (c == u'"') {
            inQuote = true;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i; // the next character is literal (or padding)
        } else if (c == u'[') {
            ++bracket;
        } else if (c == u']') {
            bracket = std::max(0, bracket - 1);
        } else if (bracket == 0 && (c == u'd' || c == u'D' || c == u'y' || c == u'Y')) {
            return true;
        }
    }
    return false;
}

bool isBuiltInDateFormat(int id) {
    return (id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58);
}

// The fixed decimals a number format shows ("#,##0.00 \"€\"" shows two): the placeholders
// after the decimal point of its first section, outside quotes, escapes and brackets. -1 for
// none, so the number shows as it is.
int formatDecimals(const QString& code) {
    bool inQuote = false, afterPoint = false;
    int bracket = 0, decimals = 0;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (inQuote) {
            inQuote = c != u'"';
        } else if (c == u'"') {
            inQuote = true;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            ++bracket;
        } else if (c == u']') {
            bracket = std::max(0, bracket - 1);
        } else if (bracket == 0) {
            if (c == u';') break;
            if (c == u'.')
                afterPoint = true;
            else if (afterPoint && (c == u'0' || c == u'#' || c == u'?'))
                ++decimals;
            else if (afterPoint)
                break;
        }
    }
    return decimals > 0 ? decimals : -1;
}

int builtInDecimals(int id) {
    return id == 2 || id == 4 || id == 7 || id == 8 || id == 39 || id == 40 ? 2 : -1;
}

// How a cell style (the "s" of a cell) shows a number: as a date, or with fixed decimals.
struct NumberStyle {
    bool date = false;
    int decimals = -1;
};

std::vector<NumberStyle> readNumberStyles(QuaZip& zip, const QString& part, SheetBudget& budget,
                                          bool& ok) {
    QHash<int, NumberStyle> custom;
    std::vector<NumberStyle> styles;
    ok = readPart(
        zip, part,
        [&](QXmlStreamReader& xml) {
            bool inCellXfs = false;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement()) {
                    if (xml.name() == u"numFmt") {
                        const auto a = xml.attributes();
                        const QString code = a.value(u"formatCode"_qs).toString();
                        custom.insert(a.value(u"numFmtId"_qs).toInt(),
                                      {isDateFormatCode(code), formatDecimals(code)});
                    } else if (xml.name() == u"cellXfs") {
                        inCellXfs = true;
                    } else if (inCellXfs && xml.name() == u"xf") {
                        const int id = xml.attributes().value(u"numFmtId"_qs).toInt();
                        styles.push_back(custom.contains(id) ? custom.value(id)
                                                             : NumberStyle{isBuiltInDateFormat(id),
                                                                           builtInDecimals(id)});
                    }
                } else if (xml.isEndElement() && xml.name() == u"cellXfs") {
                    inCellXfs = false;
                }
            }
            return true;
        },
        budget, true);
    return styles;
}

// A stored number written out in plain digits ("25.5", "-1.005"): rounded half up on those
// digits, as the sheet shows the fee, where a double would turn 1.005 into 1.00.
std::optional<QString> fixedDecimals(QStringView v, int decimals) {
    const qsizetype point = v.indexOf(u'.');
    if (v.contains(u',') || v.contains(u'+')) return std::nullopt;
    // Past 15 whole digits a run of digits is kept as it is (a long code typed as a number).
    QStringView whole = point < 0 ? v : v.left(point);
    if (whole.startsWith(u'-')) whole = whole.mid(1);
    while (whole.size() > 1 && whole.front() == u'0')
        whole = whole.mid(1);
    if (whole.size() > 15) return std::nullopt;
    QString digits = v.toString();
    if (point >= 0) digits[point] = u',';
    const std::optional<core::Decimal> d = core::Decimal::parse(digits);
    if (!d) return std::nullopt;
    return d->rounded(decimals).text(decimals);
}

QString formatNumber(QStringView v, int decimals = -1) {
    if (decimals > 0 && decimals <= 15) {
        if (const std::optional<QString> shown = fixedDecimals(v, decimals)) return *shown;
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (ok && std::fabs(d) < 1e15)
            return QString::number(d == 0 ? 0.0 : d, 'f', decimals).replace(u'.', u',');
    }
    bool digitsOnly = !v.isEmpty();
    for (qsizetype i = 0; i < v.size() && digitsOnly; ++i)
        digitsOnly = v[i].isDigit() || (i == 0 && v[i] == u'-' && v.size() > 1);
    if (digitsOnly) return v.toString(); // long digit runs keep every digit
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok) return v.toString();
    if (std::floor(d) == d && std::fabs(d) < 9007199254740992.0) return QString::number(qint64(d));
    return QString::number(d, 'g', 15).replace(u'.', u',');
}

// The spreadsheet's day serial (1900 or 1904 system) as dd/mm/yyyy; the number as such when
// it is no day.
QString serialDate(QStringView v, bool base1904) {
    // Whole days, the usual case, without a floating-point parse.
    bool ok = !v.isEmpty() && v.size() <= 9;
    qint64 days = 0;
    for (qsizetype i = 0; i < v.size() && ok; ++i) {
        ok = v[i] >= u'0' && v[i] <= u'9';
        days = days * 10 + (v[i].unicode() - u'0');
    }
    const double serial = ok ? double(days) : v.toDouble(&ok);
    if (!ok || serial < 1 || serial > 2958465) return formatNumber(v);
    const auto day = qint64(std::floor(serial));
    QDate date;
    if (base1904)
        date = QDate(1904, 1, 1).addDays(day);
    else if (day < 60)
        date = QDate(1899, 12, 31).addDays(day);
    else if (day > 60)
        date = QDate(1899, 12, 30).addDays(day); // 60 is 29/02/1900, a day
    else
        return formatNumber(v); // that never was
    return core::formatDate(date);
}

// "BC12" -> 54 (0-based column); -1 when the reference has no letters.
int columnOf(QStringView ref) {
    int column = 0, letters = 0;
    for (QChar c : ref) {
        const char16_t u = c.toUpper().unicode();
        if (u < u'A' || u > u'Z') break;
        column = column * 26 + (u - u'A' + 1);
        if (++letters > 3) return -1;
    }
    return letters ? column - 1 : -1;
}
int columnOf(std::string_view ref) {
    for (char b : ref)
        if (static_cast<unsigned char>(b) >= 0x80)
            return columnOf(QStringView(QString::fromUtf8(ref.data(), qsizetype(ref.size()))));
    int column = 0, letters = 0;
    for (char b : ref) {
        const char u = b >= 'a' && b <= 'z' ? char(b - 'a' + 'A') : b;
        if (u < 'A' || u > 'Z') break;
        column = column * 26 + (u - 'A' + 1);
        if (++letters > 3) return -1;
    }
    return letters ? column - 1 : -1;
}

template <class Type>
QString shownValue(Type type, qsizetype style, const QString& value, const QString& inlineText,
                   bool hasInline, const QStringList& shared,
                   const std::vector<NumberStyle>& numberStyle, bool base1904);

// The text a cell shows, from its <v> or inline string and its type and style.
QString cellValue(QXmlStreamReader& xml, const QXmlStreamAttributes& a, const QStringList& shared,
                  const std::vector<NumberStyle>& numberStyle, bool base1904) {
    const QStringView type = a.value(QLatin1String("t"));
    const qsizetype style = a.value(QLatin1String("s")).toInt();
    QString value, inlineText;
    bool hasInline = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"v") {
            value = xml.readElementText();
        } else if (xml.name() == u"is") {
            inlineText = richText(xml);
            hasInline = true;
        } else {
            xml.skipCurrentElement();
        }
    }
    return shownValue(type, style, value, inlineText, hasInline, shared, numberStyle, base1904);
}

// The same over PlainXml; nothing when it gives up.
std::optional<QString> cellValue(PlainXml& xml, const QStringList& shared,
                                 const std::vector<NumberStyle>& numberStyle, bool base1904) {
    const std::string_view t = xml.attribute("t");
    const QLatin1String type(t.data(), qsizetype(t.size()));
    const std::string_view s = xml.attribute("s");
    const qsizetype style = QByteArrayView(s.data(), qsizetype(s.size())).toInt();
    QString value, inlineText;
    bool hasInline = false;
    while (true) {
        const PlainXml::Token token = xml.next();
        if (token == PlainXml::Token::End) break;
        if (token == PlainXml::Token::Text) continue;
        if (token != PlainXml::Token::Start) return std::nullopt;
        if (xml.name() == "v") {
            value.clear();
            if (!xml.elementText(value, false)) return std::nullopt;
        } else if (xml.name() == "is") {
            inlineText.clear();
            if (!richText(xml, inlineText)) return std::nullopt;
            hasInline = true;
        } else if (!xml.skipElement()) {
            return std::nullopt;
        }
    }
    return shownValue(type, style, value, inlineText, hasInline, shared, numberStyle, base1904);
}

template <class Type>
QString shownValue(Type type, qsizetype style, const QString& value, const QString& inlineText,
                   bool hasInline, const QStringList& shared,
                   const std::vector<NumberStyle>& numberStyle, bool base1904) {
    using L = QLatin1String;
    if (type == L("s")) {
        bool ok = false;
        const int index = value.toInt(&ok);
        return ok ? shared.value(index) : QString();
    }
    if (type == L("inlineStr") || hasInline) return inlineText;
    if (type == L("str") || type == L("e")) return value;
    if (type == L("b")) return value.isEmpty() ? QString() : value == u"1" ? core::kYes : core::kNo;
    if (type == L("d")) {
        const QDate d = QDate::fromString(value.left(10), Qt::ISODate);
        return d.isValid() ? core::formatDate(d) : value;
    }
    if (value.isEmpty()) return {};
    const NumberStyle shown = style >= 0 && style < qsizetype(numberStyle.size())
                                  ? numberStyle[size_t(style)]
                                  : NumberStyle{};
    return shown.date ? serialDate(value, base1904) : formatNumber(value, shown.decimals);
}

struct Workbook {
    QString sheet, sharedStrings, styles;
    bool base1904 = false;
};

std::optional<Workbook> readWorkbook(QuaZip& zip, SheetBudget& budget) {
    const QString workbookPart =
        targetOfType(readRelationships(zip, {}, budget), u"/officeDocument", u"xl/workbook.xml"_qs);
    QString firstSheetId;
    Workbook wb;
    const bool ok = readPart(
        zip, workbookPart,
        [&](QXmlStreamReader& xml) {
            while (!xml.atEnd()) {
                xml.readNext();
                if (atStart(xml, u"workbookPr")) {
                    const auto v = xml.attributes().value(u"date1904"_qs);
                    wb.base1904 = v == u"1" || v == u"true";
                } else if (atStart(xml, u"sheet") && firstSheetId.isEmpty()) {
                    firstSheetId = relationshipId(xml.attributes());
                }
            }
            return true;
        },
        budget);
    if (!ok || firstSheetId.isEmpty()) return std::nullopt;
    const auto rels = readRelationships(zip, workbookPart, budget);
    const QString folder = QFileInfo(workbookPart).path();
    const auto inFolder = [&](const char16_t* name) {
        return QDir::cleanPath(folder + u'/' + QString::fromUtf16(name));
    };
    if (!rels.contains(firstSheetId)) return std::nullopt;
    wb.sheet = rels.value(firstSheetId).target;
    wb.sharedStrings = targetOfType(rels, u"/sharedStrings", inFolder(u"sharedStrings.xml"));
    wb.styles = targetOfType(rels, u"/styles", inFolder(u"styles.xml"));
    return wb;
}

} // namespace

SheetFile readXlsx(QIODevice& device) {
    QuaZip zip(&device);
    if (!zip.open(QuaZip::mdUnzip)) return SheetFile::failed(SheetError::NotASheet);
    SheetBudget budget;
    const auto finish = [&](std::optional<SheetRows> rows) {
        if (budget.passed) return SheetFile::tooLarge(budget);
        if (!rows) return SheetFile::failed(SheetError::NotASheet);
        return SheetFile::of(std::move(*rows));
    };
    const auto wb = readWorkbook(zip, budget);
    if (!wb) return finish(std::nullopt);

    QStringList shared;
    const bool sharedOk = readPart(
        zip, wb->sharedStrings,
        [&](QXmlStreamReader& xml) {
            shared.clear();
            while (!xml.atEnd()) {
                xml.readNext();
                if (!atStart(xml, u"si")) continue;
                shared.append(richText(xml));
                // Held until the sheet is read: counted as cells kept.
                if (!budget.cell(shared.last().size(), 1, 0)) return false;
            }
            return true;
        },
        budget, true,
        [&](PlainXml& xml) {
            while (true) {
                const PlainXml::Token token = xml.next();
                if (token == PlainXml::Token::Done) return true;
                if (token == PlainXml::Token::GiveUp) return false;
                if (token != PlainXml::Token::Start || xml.name() != "si") continue;
                QString text;
                if (!richText(xml, text)) return false;
                shared.append(text);
                if (!budget.cell(shared.last().size(), 1, 0)) return false;
            }
        });
    bool stylesOk = true;
    const std::vector<NumberStyle> numberStyle =
        readNumberStyles(zip, wb->styles, budget, stylesOk);
    if (!sharedOk || !stylesOk) return finish(std::nullopt);

    SheetRows rows;
    qint64 rowIndex = -1;
    int column = -1;
    // A <row>, with its "r" when it has one.
    const auto startRow = [&](qint64 r) {
        rowIndex = r > 0 ? r - 1 : rowIndex + 1;
        column = -1;
        // Rows in between are blank rows, kept as such.
        if (!budget.row(rowIndex + 1)) return false;
        if (qint64(rows.size()) <= rowIndex) rows.resize(size_t(rowIndex + 1));
        return true;
    };
    // A <c> of the current row: its column from "r" (-1 without), its text.
    const auto addCell = [&](int c, const QString& text) {
        column = c >= 0 ? c : column + 1;
        if (text.isEmpty()) return true;
        if (column >= kMaxColumns) return budget.fail(SheetLimit::Columns, rowIndex + 1);
        QStringList& row = rows[size_t(rowIndex)];
        if (column < row.size()) {
            row[column] = text;
            return true;
        }
        while (row.size() < column) {
            row.append(QString());
            if (!budget.cell(0, row.size(), rowIndex + 1)) return false;
        }
        row.append(text);
        return budget.cell(text.size(), row.size(), rowIndex + 1);
    };
    const bool sheetOk = readPart(
        zip, wb->sheet,
        [&](QXmlStreamReader& xml) {
            rows.clear();
            rowIndex = -1;
            column = -1;
            while (!xml.atEnd()) {
                xml.readNext();
                if (atStart(xml, u"row")) {
                    if (!startRow(xml.attributes().value(QLatin1String("r")).toLongLong()))
                        return false;
                } else if (atStart(xml, u"c") && rowIndex >= 0) {
                    const QXmlStreamAttributes a = xml.attributes();
                    const int c = columnOf(a.value(QLatin1String("r")));
                    if (!addCell(c, cellValue(xml, a, shared, numberStyle, wb->base1904)))
                        return false;
                }
            }
            return true;
        },
        budget, false,
        [&](PlainXml& xml) {
            while (true) {
                const PlainXml::Token token = xml.next();
                if (token == PlainXml::Token::Done) return true;
                if (token == PlainXml::Token::GiveUp) return false;
                if (token != PlainXml::Token::Start) continue;
                if (xml.name() == "row") {
                    const std::string_view r = xml.attribute("r");
                    if (!startRow(QByteArrayView(r.data(), qsizetype(r.size())).toLongLong()))
                        return false;
                } else if (xml.name() == "c" && rowIndex >= 0) {
                    const int c = columnOf(xml.attribute("r"));
                    const std::optional<QString> text =
                        cellValue(xml, shared, numberStyle, wb->base1904);
                    if (!text || !addCell(c, *text)) return false;
                }
            }
        });
    return finish(sheetOk ? std::optional(std::move(rows)) : std::nullopt);
}

} // namespace sheets
