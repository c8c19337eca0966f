#include "book/frm_genera_pagine.h"
#include "book/frm_registro.h"
#include "book/registers.h"
#include "book_fixture.h"
#include "book_window_fixture.h"
#include "members/member_archive.h"

#include <QAbstractItemModel>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTableView>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>

using namespace book;
using namespace book_test;
using platform::Answer;
using platform::MsgKind;
using testing_support::child;

namespace {

struct Generation {
    testing_support::Harness h;
    TfrmRegistro w{h.ctx};
    Generation() {
        h.windows.add(&w);
        // One page with rows 1 and 2; member "Rossi Mario" (card "3") is on it.
        writeRegister(h.dir.path(), u"R.lib"_qs,
                      {page({{A(Ordine), u"1"_qs},
                             {A(Socio), u"Rossi Mario"_qs},
                             {A(Tessera), u"3"_qs},
                             {B(Ordine), u"2"_qs},
                             {B(Socio), u"Altro"_qs}})});
        const char* names[] = {"Verdi Anna", "Bianchi Luca", "Rossi Mario", "Neri Carla",
                               "Gialli Piero", "Azzurri Sara"};
        for (int i = 0; i < 6; ++i) {
            QStringList v(members::MemberFieldCount);
            v[members::Tesserato] = QString::fromUtf8(names[i]);
            v[members::NumTessera] = QString::number(i + 1);
            v[members::DataRil] = u"10/01/2026"_qs;
            v[members::Titoli] = i == 4 ? u"una quota troppo lunga"_qs : u"20,00"_qs;
            v[members::Annullata] = members::kNo;
            members::MemberArchive(h.dir.path()).save(0, v);
        }
        w.hide();
        child<QLabel>(&w, u"lblFile"_qs)->setText(h.path(u"R.lib"_qs));
        child<QLabel>(&w, u"lblNome"_qs)->setText(u"R"_qs);
        w.show(); // on the last page, whose heading the new pages take
    }
    qint64 pages() { return *pageArchive(h.path(u"R.lib"_qs)).count(); }
};

QStringList gridRow(const QAbstractItemModel* m, int row) {
    QStringList out;
    for (int c = 0; c < m->columnCount(); ++c)
        out << m->index(row, c).data().toString();
    return out;
}

TEST(GeneratePagesWindow, PreviewThenGenerateAddsThePagesAndShowsTheLast) {
    Generation g;
    QStringList headers;
    std::vector<QStringList> rows;
    QString primo, caption, summary;
    g.h.fake.onModal = [&](QDialog& d) {
        caption = d.windowTitle();
        primo = child<QLineEdit>(&d, u"txtPrimo"_qs)->text();
        const QAbstractItemModel* grid = child<QTableView>(&d, u"grdPagine"_qs)->model();
        for (int c = 0; c < grid->columnCount(); ++c)
            headers << grid->headerData(c, Qt::Horizontal).toString();
        for (int r = 0; r < grid->rowCount(); ++r)
            rows.push_back(gridRow(grid, r));
        summary = child<QLabel>(&d, u"lblRiepilogo"_qs)->text();
        click(&d, "btnGenera");
        return d.result();
    };
    click(&g.w, "cmdGenera");
    EXPECT_EQ(g.h.fake.modalDialogs, QStringList{u"TfrmGeneraPagine"_qs});
    EXPECT_EQ(caption, u" Quorvix 5.0 - Generazione pagine del Libro Soci"_qs);
    EXPECT_EQ(primo, u"3"_qs);
    EXPECT_EQ(headers, (QStringList{u"Pagina"_qs, u"Riga"_qs, u"N. Ord."_qs,
                                    u"Cognome e nome"_qs, u"Tessera n."_qs, u"Esito"_qs}));
    const std::vector<QStringList> want = {
        {u"1"_qs, u"A"_qs, u"3"_qs, u"Azzurri Sara"_qs, u"6"_qs, u"Da inserire"_qs},
        {u"1"_qs, u"B"_qs, u"4"_qs, u"Bianchi Luca"_qs, u"2"_qs, u"Da inserire"_qs},
        {{}, {}, {}, u"Gialli Piero"_qs, u"5"_qs,
         u"Non inserito: quota sociale oltre 15 caratteri"_qs},
        {u"1"_qs, u"C"_qs, u"5"_qs, u"Neri Carla"_qs, u"4"_qs, u"Da inserire"_qs},
        {{}, {}, {}, u"Rossi Mario"_qs, u"3"_qs, u"Già nel Libro Soci"_qs},
        {u"1"_qs, u"D"_qs, u"6"_qs, u"Verdi Anna"_qs, u"1"_qs, u"Da inserire"_qs},
    };
    EXPECT_EQ(rows, want);
    EXPECT_EQ(summary, u"Pagine da generare: 1 - Soci da inserire: 4 - già nel Libro Soci: 1 - "
                       u"non inseriti: 1"_qs);
    ASSERT_EQ(g.h.fake.messages.size(), 2u);
    EXPECT_EQ(g.h.fake.messages[0].kind, MsgKind::Question);
    EXPECT_EQ(g.h.fake.messages[0].text,
              u"Si stanno per aggiungere al Libro Soci 1 pagine con 4 Soci, dal numero d'ordine 3 "
              u"al 6.\n\r\n\rSoci già presenti nel Libro Soci, lasciati fuori: 1.\n\rSoci non "
              u"inseriti (vedere la colonna Esito): 1.\n\r\n\rSi conferma l'operazione?"_qs);
    EXPECT_EQ(g.h.fake.messages[1].kind, MsgKind::Information);
    EXPECT_EQ(g.pages(), 2);
    // The editor shows the new page, with the heading it handed over.
    EXPECT_EQ(child<QLabel>(&g.w, u"lblPosizione"_qs)->text(), u"2"_qs);
    EXPECT_EQ(child<QLineEdit>(&g.w, u"txtSocio_A"_qs)->text(), u"Azzurri Sara"_qs);
    EXPECT_EQ(child<QLineEdit>(&g.w, u"txtDenominazione"_qs)->text(),
              u"Circolo Culturale Il Faro"_qs);

    // The generated page prints as any page typed by hand.
    g.h.fake.pdfPath = testing_support::reportOutputPath(g.h.dir, u"pagina_generata.pdf"_qs);
    g.h.fake.onModal = [](QDialog& d) {
        click(&d, "btnStampa");
        return d.result();
    };
    click(&g.w, "cmdStampa");
    const QString printed = pdfText(g.h.fake.pdfPath);
    if (printed.isEmpty()) GTEST_SKIP() << "pdftotext not available";
    for (const char* text : {"Azzurri Sara", "Bianchi Luca", "Neri Carla", "Verdi Anna", "Pag. 2"})
        EXPECT_TRUE(printed.contains(QString::fromUtf8(text))) << text;
}

TEST(GeneratePagesWindow, NoOrABadChoiceWritesNothing) {
    struct Case {
        const char* what;
        std::function<void(QDialog&)> set;
        std::deque<Answer> answers;
        MsgKind shown;
        std::optional<QString> heading = {}; // typed over the book's number, then left unsaved
        const char* says = "";
    };
    const auto nothing = [](QDialog&) {};
    const Case cases[] = {
        {"No to the question", nothing, {Answer::No}, MsgKind::Question},
        {"dates that are no interval",
         [](QDialog& d) {
             child<QRadioButton>(&d, u"optRilascio"_qs)->setChecked(true);
             child<QLineEdit>(&d, u"txtDal"_qs)->setText(u"31/01/2026"_qs);
             child<QLineEdit>(&d, u"txtAl"_qs)->setText(u"01/01/2026"_qs);
         },
         {}, MsgKind::Warning},
        {"no first number", [](QDialog& d) { child<QLineEdit>(&d, u"txtPrimo"_qs)->clear(); },
         {}, MsgKind::Warning},
        {"a filter nobody matches",
         [](QDialog& d) {
             child<QRadioButton>(&d, u"optRicerca"_qs)->setChecked(true);
             child<QLineEdit>(&d, u"txtCarica"_qs)->setText(u"Tesoriere"_qs);
         },
         {}, MsgKind::Information},
        // The editor asks first about the changed heading: left unsaved.
        {"a book without its number", nothing, {Answer::No}, MsgKind::Warning, u""_qs,
         "indicare il numero del Libro Soci"},
        {"a heading the files cannot hold", nothing, {Answer::No}, MsgKind::Warning,
         u"Circolo \u4e2d"_qs, "non può essere archiviato"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Generation g;
        if (c.heading) child<QLineEdit>(&g.w, u"txtNumero"_qs)->setText(*c.heading);
        g.h.fake.answers = c.answers;
        g.h.fake.onModal = [&](QDialog& d) {
            c.set(d);
            click(&d, "btnGenera");
            return d.result();
        };
        click(&g.w, "cmdGenera");
        ASSERT_FALSE(g.h.fake.messages.empty());
        EXPECT_EQ(g.h.fake.lastMessage().kind, c.shown)
            << g.h.fake.lastMessage().text.toStdString();
        EXPECT_TRUE(g.h.fake.lastMessage().text.contains(QString::fromUtf8(c.says)))
            << g.h.fake.lastMessage().text.toStdString();
        EXPECT_EQ(g.pages(), 1);
    }
}

// The bar shows only for a long run: its value stays unset for a hundred pages.
TEST(GeneratePagesWindow, ProgressBarAboveAHundredPages) {
    for (const int pages : {100, 101}) {
        SCOPED_TRACE(pages);
        testing_support::Harness h;
        const QString path = writeRegister(h.dir.path(), u"R.lib"_qs, {});
        std::vector<QStringList> records;
        for (int i = 0; i < pages * kRows; ++i) {
            QStringList v(members::MemberFieldCount);
            v[members::Tesserato] = u"Socio "_qs + QString::number(i);
            v[members::NumTessera] = QString::number(i + 1);
            v[members::Annullata] = members::kNo;
            records.push_back(v);
        }
        ASSERT_TRUE(members::MemberArchive(h.dir.path()).archive().appendAll(records));
        TfrmGeneraPagine d(h.ctx, nullptr, path, page({}).mid(0, HeadingFieldCount));
        click(&d, "btnGenera");
        EXPECT_EQ(child<QProgressBar>(&d, u"prgGenera"_qs)->value(), pages > 100 ? pages : -1);
        EXPECT_EQ(*pageArchive(path).count(), pages);
    }
}

} // namespace
