#include "workbook_check.h"

#include "core/text.h"
#include "core/win1252.h"
#include "core/workbook.h"

#include <QHash>
#include <QToolButton>
#include <QXmlStreamReader>

#include <quazip.h>
#include <quazipfile.h>

#include <gtest/gtest.h>

namespace testing_support {

namespace {

QByteArray part(QuaZip& zip, const QString& name) {
    if (!zip.setCurrentFile(name)) return {};
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// Per cell style: 'd' date, 'c' text format, 'n' anything else.
std::vector<char> styleKinds(const QByteArray& styles) {
    QHash<int, QString> codes;
    std::vector<char> kinds;
    QXmlStreamReader xml(styles);
    bool inCellXfs = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"numFmt") {
            codes.insert(xml.attributes().value(u"numFmtId"_qs).toInt(),
                         xml.attributes().value(u"formatCode"_qs).toString());
        } else if (xml.isStartElement() && xml.name() == u"cellXfs") {
            inCellXfs = true;
        } else if (xml.isEndElement() && xml.name() == u"cellXfs") {
            inCellXfs = false;
        } else if (inCellXfs && xml.isStartElement() && xml.name() == u"xf") {
            const int id = xml.attributes().value(u"numFmtId"_qs).toInt();
            kinds.push_back(id == 49 || codes.value(id) == u"@" ? 'c'
                            : codes.value(id).contains(u"yyyy") ? 'd'
                                                                : 'n');
        }
    }
    return kinds;
}

} // namespace

QByteArray workbookPart(const QString& path, const QString& name) {
    QuaZip zip(path);
    return zip.open(QuaZip::mdUnzip) ? part(zip, name) : QByteArray();
}

std::vector<QString> workbookCellKinds(const QString& path) {
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip)) return {};
    const std::vector<char> styles = styleKinds(part(zip, u"xl/styles.xml"_qs));
    std::vector<QString> rows;
    QXmlStreamReader xml(part(zip, u"xl/worksheets/sheet1.xml"_qs));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"row") {
            rows.resize(size_t(xml.attributes().value(u"r"_qs).toInt()));
        } else if (xml.name() == u"c" && !rows.empty()) {
            const auto a = xml.attributes();
            int column = 0;
            for (QChar c : a.value(u"r"_qs))
                if (c.isLetter()) column = column * 26 + (c.unicode() - u'A' + 1);
            const qsizetype style = a.value(u"s"_qs).toInt();
            const char styled = style < qsizetype(styles.size()) ? styles[size_t(style)] : 'n';
            const bool text = a.value(u"t"_qs) == u"inlineStr" || a.value(u"t"_qs) == u"s";
            bool hasValue = false;
            while (xml.readNextStartElement()) {
                hasValue = true;
                xml.skipCurrentElement();
            }
            QString& row = rows.back();
            while (row.size() < column)
                row += u' ';
            row[column - 1] = !hasValue ? u' '
                              : text    ? QChar(styled == 'c' ? u'c' : u't')
                                        : QChar(styled == 'd' ? u'd' : u'n');
        }
    }
    return rows;
}

QString expectedKinds(const platform::ExportWindow& w, qsizetype row) {
    const auto& columns = w.sheet().columns;
    QString kinds;
    for (size_t c = 0; c < columns.size(); ++c) {
        const QByteArray text = core::toWin1252(core::trimText(w.cell(row, int(c) + 1)));
        QChar kind = u' ';
        if (!text.isEmpty()) {
            switch (columns[c].type) {
            case core::CellType::Text:
                kind = u't';
                break;
            case core::CellType::Code:
                kind = u'c';
                break;
            case core::CellType::Date:
                kind = core::workbookDate(text) ? u'd' : u'c';
                break;
            case core::CellType::Amount:
                kind = core::workbookCents(text) ? u'n' : u'c';
                break;
            }
        }
        kinds += kind;
    }
    while (kinds.endsWith(u' '))
        kinds.chop(1);
    return kinds;
}

void expectWorkbookShowsGrid(const std::vector<QStringList>& read,
                             const platform::ExportWindow& w) {
    const auto& columns = w.sheet().columns;
    ASSERT_EQ(qsizetype(read.size()), 1 + w.rowCount());
    for (size_t c = 0; c < columns.size(); ++c)
        EXPECT_EQ(read[0].value(qsizetype(c)), columns[c].heading);
    for (qsizetype r = 0; r < w.rowCount(); ++r) {
        for (size_t c = 0; c < columns.size(); ++c) {
            QString expected = core::trimText(w.cell(r, int(c) + 1));
            if (columns[c].type == core::CellType::Amount && expected.startsWith(u'+') &&
                core::workbookCents(core::toWin1252(expected)))
                expected.remove(0, 1);
            EXPECT_EQ(read[size_t(r) + 1].value(qsizetype(c)), expected)
                << "row " << r + 1 << ", " << columns[c].heading.toStdString();
        }
    }
}

void exportWorkbookTo(FakePlatform& fake, platform::ExportWindow& w, const QString& path) {
    fake.answers = {platform::Answer::Yes, platform::Answer::No};
    fake.fileAnswers = {path};
    child<QToolButton>(&w, u"cmdEsportaXlsx"_qs)->click();
}

} // namespace testing_support
