#include "book/page_checks.h"
#include "book/page_list.h"
#include "book/page_record.h"
#include "book_fixture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace book;
using namespace book_test;

TEST(PageRecord, LayoutIsPinned) {
    const core::RecordLayout& l = pageLayout();
    EXPECT_EQ(l.fieldCount(), 63);
    EXPECT_EQ(l.recordLength(), kPageRecordLength);
    const std::pair<const char*, int> pins[] = {
        {"Denominazione", 13}, {"CodFisc", 134},   {"Segretario", 202},     {"Ordine_A", 253},
        {"Socio_A", 260},      {"Quota_A", 604},   {"Annotazioni_A", 752},  {"Ordine_B", 1003},
        {"Ordine_C", 1753},    {"Ordine_D", 2503}, {"Annotazioni_D", 3002}, {"File01", 3253},
        {"Desc01", 4006},      {"Desc03", 4508}};
    for (const auto& [name, offset] : pins)
        EXPECT_EQ(l.offset(l.indexOf(QLatin1String(name))), offset) << name;
    EXPECT_EQ(controlName(rowField(3, Quota)), "txtQuota_D");
    EXPECT_EQ(controlName(CodFisc), "txtCodFisc");
    EXPECT_EQ(controlName(kFirstAttachment + 5), "lblDesc03");
}

TEST(PageRecord, EveryFieldRoundTripsThroughTheFileAtItsOffset) {
    QTemporaryDir dir;
    PageValues p = emptyPage();
    for (int f = 0; f < kPageFieldCount; ++f)
        p[f] = QString(kPageFields[f].capacity, QChar(u'a' + f % 26));
    const QString path = writeRegister(dir.path(), u"R.lib"_qs, {p});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), kPageRecordLength);
    const core::RecordLayout& l = pageLayout();
    for (int f = 0; f < kPageFieldCount; ++f) {
        EXPECT_EQ(quint8(bytes[l.offset(f)]), kPageFields[f].capacity) << kPageFields[f].name;
        EXPECT_EQ(bytes.mid(l.offset(f) + 1, kPageFields[f].capacity), p[f].toLatin1())
            << kPageFields[f].name;
    }
}

TEST(PageList, LinesFitEachValueToItsWidth) {
    QTemporaryDir dir;
    const QString path =
        writeRegister(dir.path(), u"R.lib"_qs,
                      {page({{A(Ordine), u"1"_qs},
                             {A(Socio), u"Bianchi Giovanni Maria Alessandro Rossi"_qs},
                             {A(CodFiscSocio), u"BNCGNN80A01H501U"_qs},
                             {A(Tessera), u"A-12"_qs},
                             {A(Telefono), u"06 1234567 / 333 7654321"_qs},
                             {A(Quota), u"25,00"_qs}})});
    const core::ListRows list = readPageList(path);
    ASSERT_TRUE(list.readWhole);
    ASSERT_EQ(list.lines.size(), 1);
    // Widths 6, 30, 16, 20 and 15; the fee whole.
    const QString expected = u"N. Ord. 1     "_qs + u"  Socio: Bianchi Giovanni Maria Alessan"_qs +
                             u"  C.F. BNCGNN80A01H501U"_qs + u"  Tessera: A-12"_qs +
                             QString(16, u' ') + u"  Tel. 06 1234567 / 33"_qs +
                             u" Quota: € 25,00"_qs;
    EXPECT_EQ(list.lines[0].toStdString(), expected.toStdString());
}

TEST(PageList, SkipsPagesWithoutNumberAndKeepsEachLinesOwnPage) {
    QTemporaryDir dir;
    PageValues unnumbered = page({{A(Socio), u"Rossi"_qs}});
    unnumbered[Numero].clear();
    const QString path = writeRegister(dir.path(), u"R.lib"_qs,
                                       {page({{A(Socio), u"Rossi"_qs}, {Presidente, u"1"_qs}}),
                                        page({{A(Socio), u"Verdi"_qs}}), unnumbered,
                                        page({{A(Socio), u"Rossi"_qs}, {Presidente, u"4"_qs}})});
    const core::ListRows list = readPageList(path);
    EXPECT_EQ(list.records, (std::vector<qint64>{1, 2, 4}));
    EXPECT_EQ(list.lines[0], list.lines[2]);
    EXPECT_EQ(list.recordAt(3), std::nullopt);
    EXPECT_EQ(readPage(path, 4).value()[Presidente], "4");
    EXPECT_EQ(readPage(path, 5), std::nullopt);
}

TEST(PageChecks, FirstFailingCheckInOrderNamesItsField) {
    struct Case {
        int cleared;
        const char* control;
        const char* text;
    };
    const Case cases[] = {
        {Numero, "txtNumero",
         "Attenzione: per salvare la scheda è necessario indicare il numero del Libro Soci."},
        {Denominazione, "txtDenominazione",
         "Attenzione: per salvare la scheda è necessario indicare la denominazione "
         "dell'Associazione."},
        {CodFisc, "txtCodFisc",
         "Attenzione: per salvare la scheda è necessario indicare il codice fiscale "
         "dell'Associazione."},
        {A(Ordine), "txtOrdine_A",
         "Attenzione: per salvare la scheda è necessario indicare il numero d'ordine nella prima "
         "riga."},
        {A(Socio), "txtSocio_A",
         "Attenzione: per salvare la scheda è necessario indicare il nome del socio nella prima "
         "riga."},
    };
    const PageValues full = page({{A(Ordine), u"1"_qs}, {A(Socio), u"Rossi"_qs}});
    EXPECT_EQ(pageSaveProblem(full), std::nullopt); // rows B to D may stay empty
    // Clearing a field and every later one shows only the first.
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        PageValues p = full;
        for (std::size_t j = i; j < std::size(cases); ++j)
            p[cases[j].cleared].clear();
        const platform::Check problem = pageSaveProblem(p);
        ASSERT_TRUE(problem) << cases[i].control;
        EXPECT_EQ(problem->kind, platform::MsgKind::Warning);
        EXPECT_EQ(problem->text, QString::fromUtf8(cases[i].text));
        EXPECT_EQ(problem->control, QLatin1String(cases[i].control));
    }
}

TEST(PageChecks, ImportedValueLongerThanItsFieldIsRefusedNamingTheRow) {
    PageValues p = page({{A(Ordine), u"1"_qs}, {A(Socio), u"Rossi"_qs}});
    p[B(Quota)] = u"25,00 euro annui ridotti"_qs; // 24 characters for a 15-character field
    const platform::Check problem = pageSaveProblem(p);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, "Attenzione: per salvare la scheda è necessario che la quota sociale "
                             "nella riga B non superi 15 caratteri.");
    EXPECT_EQ(problem->control, "txtQuota_B");
    p[B(Quota)] = QString(15, u'9');
    EXPECT_EQ(pageSaveProblem(p), std::nullopt);
    p[rowField(3, Telefono)] = QString(31, u'3');
    EXPECT_EQ(pageSaveProblem(p)->control, "txtTelefono_D");
}
