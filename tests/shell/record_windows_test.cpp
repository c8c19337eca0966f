// What every record window does with text it cannot store as it is, with flags that are neither
// word, and with changes the user is about to leave: one table over the windows.
#include "book/frm_registro.h"
#include "book/page_record.h"
#include "cashbook/frm_movimenti.h"
#include "cashbook/movement_record.h"
#include "deadlines/deadline_record.h"
#include "deadlines/frm_scadenzario.h"
#include "fake_platform.h"
#include "files.h"
#include "keys.h"
#include "members/frm_anagrafica.h"
#include "members/member_record.h"
#include "platform/record_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using platform::Answer;
using platform::MsgKind;
using testing_support::child;
using testing_support::fileBytes;

enum class Kind { Members, Movements, Deadlines, BookPages };

struct Window {
    testing_support::Harness h;
    Kind kind;
    std::unique_ptr<QWidget> w;

    explicit Window(Kind k) : kind(k) {
        const QStringList first = record(), second = record(u"Secondo"_qs);
        EXPECT_TRUE(archive().save(0, first));
        EXPECT_TRUE(archive().save(0, second));
        switch (kind) {
        case Kind::Members:
            w = std::make_unique<members::TfrmAnagrafica>(h.ctx);
            break;
        case Kind::Movements: {
            auto m = std::make_unique<cashbook::TfrmMovimenti>(h.ctx);
            m->openYear(h.path(u"2026.eur"_qs), u"2026"_qs);
            w = std::move(m);
            break;
        }
        case Kind::Deadlines:
            w = std::make_unique<deadlines::TfrmScadenzario>(h.ctx);
            break;
        case Kind::BookPages:
            w = std::make_unique<book::TfrmRegistro>(h.ctx);
            child<QLabel>(w.get(), u"lblFile"_qs)->setText(h.path(u"Soci.lib"_qs));
            break;
        }
        w->show();
        if (kind == Kind::Deadlines) {
            child<QLineEdit>(w.get(), u"txtAnno"_qs)->setText(u"2026"_qs);
            click("btnApri");
        }
        click("cmdPrimo");
    }

    const core::RecordLayout& layout() const {
        switch (kind) {
        case Kind::Members:
            return members::memberLayout();
        case Kind::Movements:
            return cashbook::movementLayout();
        case Kind::Deadlines:
            return deadlines::deadlineLayout();
        case Kind::BookPages:
            break;
        }
        return book::pageLayout();
    }
    core::Archive archive() const {
        static const QString files[] = {u"Tesserati.pro"_qs, u"2026.eur"_qs, u"2026.sca"_qs,
                                        u"Soci.lib"_qs};
        return core::Archive(h.ctx.folder, files[int(kind)], layout());
    }
    QString filePath() const { return archive().path(); }

    // A record every save check of the window accepts, named by its first text field.
    QStringList record(const QString& name = u"Primo"_qs) const {
        QStringList v(layout().fieldCount());
        const auto set = [&](const char* field, const QString& text) {
            v[layout().indexOf(QLatin1String(field))] = text;
        };
        switch (kind) {
        case Kind::Members:
            set("Tesserato", name), set("DataRil", u"01/01/2026"_qs);
            set("DataScade", u"31/12/2026"_qs), set("Preavviso", u"0"_qs);
            set("Annullata", u"No"_qs);
            break;
        case Kind::Movements:
            set("Entrata", u"S\u00ec"_qs), set("Uscita", u"No"_qs);
            set("Data", u"15/03/2026"_qs), set("DataSca", u"31/03/2026"_qs);
            set("Causale", name), set("Preavviso", u"0"_qs), set("Importo", u"1,00"_qs);
            set("Totale", u"+1,00"_qs), set("Pagatore", u"Rossi"_qs);
            set("Beneficiario", u"Circolo"_qs), set("Saldato", u"No"_qs);
            break;
        case Kind::Deadlines:
            set("Giorno", u"20"_qs), set("Mese", deadlines::monthNames()[2]);
            set("Anno", u"2026"_qs);
            set("Data", u"20/03/2026"_qs), set("Ore", u"09"_qs), set("Minuti", u"30"_qs);
            set("Ora", u"09:30"_qs), set("Avviso", u"5"_qs), set("Pagatore", name);
            set("Beneficiario", u"Circolo"_qs), set("Dettagli", u"Quota"_qs);
            set("Costo", u"0,00"_qs), set("DaConfermare", u"No"_qs);
            set("Effettuata", u"No"_qs);
            break;
        case Kind::BookPages:
            set("Numero", u"1"_qs), set("Denominazione", u"Circolo"_qs);
            set("CodFisc", u"97012340583"_qs), set("Ordine_A", u"1"_qs);
            set("Socio_A", name);
            break;
        }
        return v;
    }
    // The text field each window's table rows change.
    const char* textControl() const {
        static const char* names[] = {"txtTesserato", "txtCausale", "txtPagatore", "txtSocio_A"};
        return names[int(kind)];
    }

    void click(const char* name) const {
        child<QAbstractButton>(w.get(), QLatin1String(name))->click();
    }
    QLineEdit* edit(const char* name) const {
        return child<QLineEdit>(w.get(), QLatin1String(name));
    }
    QString position() const { return child<QLabel>(w.get(), u"lblPosizione"_qs)->text(); }
    QStringList stored(qint64 n) const { return *archive().read(n); }
    int saveQuestions() const {
        int n = 0;
        for (const auto& m : h.fake.messages)
            n += m.kind == MsgKind::SaveQuestion;
        return n;
    }
    // As a list or search window hands over its pick.
    void pick(qint64 n) const {
        switch (kind) {
        case Kind::Members:
            static_cast<members::TfrmAnagrafica*>(w.get())->loadRecord(n);
            break;
        case Kind::Movements:
            static_cast<cashbook::TfrmMovimenti*>(w.get())->showMovement({n, stored(n)});
            break;
        case Kind::Deadlines:
            static_cast<deadlines::TfrmScadenzario*>(w.get())->loadRecord(n);
            break;
        case Kind::BookPages:
            static_cast<book::TfrmRegistro*>(w.get())->showPage(n, stored(n));
            break;
        }
    }
};

constexpr Kind kWindows[] = {Kind::Members, Kind::Movements, Kind::Deadlines, Kind::BookPages};
const char* const kNames[] = {"members", "movements", "deadlines", "book pages"};

// A value outside the code page or one character longer than its field is refused on save with
// the field named and focused; nothing is written.
TEST(RecordWindows, ASaveNeverChangesText) {
    struct Value {
        const char* control; // nullptr: the window's text field
        int field;           // -1: the control's own field, by name
        const char* text;    // nullptr: one character more than the field holds
        const char* shown;   // what the warning names
    };
    const std::pair<Kind, Value> cases[] = {
        {Kind::Members, {nullptr, -1, "\u0141ukasz", "\"\u0141\""}},
        {Kind::Members, {nullptr, -1, "Dvo\u0159\u00e1k", "\"\u0159\""}},
        {Kind::Members, {nullptr, -1, nullptr, "50"}},
        {Kind::Members, {"txtProvNasc", members::ProvNasc, "\u0141X", "\"\u0141\""}},
        {Kind::Members, {"lblFile01", members::File01, nullptr, "250"}},
        {Kind::Movements, {nullptr, -1, "Cena \U0001F600", "\"\U0001F600\""}},
        {Kind::Movements, {nullptr, -1, nullptr, "250"}},
        {Kind::Movements, {"lblDesc02", cashbook::Desc02, nullptr, "250"}},
        {Kind::Deadlines, {nullptr, -1, "\u0141ukasz", "\"\u0141\""}},
        {Kind::Deadlines, {nullptr, -1, nullptr, "50"}},
        {Kind::BookPages, {nullptr, -1, "Dvo\u0159\u00e1k", "\"\u0159\""}},
        {Kind::BookPages, {nullptr, -1, nullptr, "50"}},
    };
    for (const auto& [kind, c] : cases) {
        Window t(kind);
        const std::string where = kNames[int(kind)] + std::string(" ") + c.shown;
        const QString control = QLatin1String(c.control ? c.control : t.textControl());
        const int field = c.field >= 0 ? c.field : t.layout().indexOf(control.mid(3));
        const QString text =
            c.text ? QString::fromUtf8(c.text) : QString(t.layout().capacity(field) + 1, u'x');
        QWidget* target = child<QWidget>(t.w.get(), control);
        // As a pick or a paste would put it there, past the typing limit.
        if (auto* e = qobject_cast<QLineEdit*>(target)) {
            e->setMaxLength(text.size());
            e->setText(text);
        } else if (auto* combo = qobject_cast<QComboBox*>(target)) {
            combo->lineEdit()->setMaxLength(text.size());
            combo->setEditText(text);
        } else {
            qobject_cast<QLabel*>(target)->setText(text);
        }
        const QByteArray before = fileBytes(t.filePath());
        t.h.fake.messages.clear();
        t.click("cmdSalva");
        ASSERT_EQ(t.h.fake.messages.size(), 1u) << where;
        EXPECT_EQ(t.h.fake.lastMessage().kind, MsgKind::Warning) << where;
        EXPECT_TRUE(t.h.fake.lastMessage().text.contains(QString::fromUtf8(c.shown))) << where;
        EXPECT_EQ(fileBytes(t.filePath()), before) << where;
        if (!qobject_cast<QLabel*>(target)) {
            EXPECT_TRUE(t.w->focusWidget() == target || target->isAncestorOf(t.w->focusWidget()))
                << where;
        }
    }
}

// A flag that is neither "Sì" nor "No" loads unticked, never as the record before left it.
TEST(RecordWindows, AFlagWithAThirdValueLoadsUnticked) {
    const std::pair<Kind, const char*> cases[] = {
        {Kind::Members, "chkAnnullata"},
        {Kind::Movements, "chkSaldato"},
        {Kind::Deadlines, "chkDaConfermare"},
        {Kind::Deadlines, "chkEffettuata"},
    };
    for (const auto& [kind, control] : cases) {
        Window t(kind);
        const int field = t.layout().indexOf(QLatin1String(control).mid(3));
        QStringList ticked = t.record(), odd = t.record(u"Terzo"_qs);
        ticked[field] = u"S\u00ec"_qs;
        odd[field] = u"X"_qs;
        ASSERT_TRUE(t.archive().save(1, ticked));
        ASSERT_TRUE(t.archive().save(2, odd));
        t.click("cmdPrimo");
        auto* box = child<QCheckBox>(t.w.get(), QLatin1String(control));
        ASSERT_TRUE(box->isChecked()) << control;
        t.click("cmdAvanti");
        EXPECT_FALSE(box->isChecked()) << control;
        t.click("cmdSalva");
        EXPECT_EQ(t.stored(2)[field], u"No"_qs) << control;
    }
}

// Income or expense: a damaged type chooses neither, and the save asks for one.
TEST(RecordWindows, AMovementOfNeitherTypeIsNotSavedAsAnExpense) {
    Window t(Kind::Movements);
    QStringList odd = t.record();
    odd[cashbook::Entrata] = u"X"_qs;
    odd[cashbook::Uscita] = u"X"_qs;
    ASSERT_TRUE(t.archive().save(2, odd));
    t.click("cmdAvanti");
    auto* entrata = child<QRadioButton>(t.w.get(), u"optEntrata"_qs);
    auto* uscita = child<QRadioButton>(t.w.get(), u"optUscita"_qs);
    EXPECT_FALSE(entrata->isChecked());
    EXPECT_FALSE(uscita->isChecked());
    const QByteArray before = fileBytes(t.filePath());
    t.h.fake.messages.clear();
    t.click("cmdSalva");
    ASSERT_EQ(t.h.fake.messages.size(), 1u);
    EXPECT_EQ(t.h.fake.lastMessage().text,
              u"Attenzione: per salvare la scheda \u00e8 necessario indicare se il movimento "
              u"\u00e8 un'entrata o un'uscita."_qs);
    EXPECT_EQ(fileBytes(t.filePath()), before);
    uscita->click();
    t.click("cmdSalva");
    EXPECT_EQ(t.stored(2)[cashbook::Totale], u"-1,00"_qs);
}

// Entering an amount selects it, so typing replaces "0,00"; what is no amount stays as typed and
// the save refuses it.
TEST(RecordWindows, TypingAnAmount) {
    const std::pair<Kind, const char*> fields[] = {{Kind::Movements, "txtImporto"},
                                                   {Kind::Deadlines, "txtCosto"}};
    const struct {
        const char* typed;
        const char* shown; // once the field is left
        bool saved;
    } cases[] = {{"48,90", "48,90", true}, {"7", "7,00", true}, {"1,2,3", "1,2,3", false}};
    for (const auto& [kind, control] : fields) {
        for (const auto& c : cases) {
            Window t(kind);
            t.w->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(t.w.get()));
            QLineEdit* field = t.edit(control);
            field->setText(u"0,00"_qs);
            t.edit(t.textControl())->setFocus();
            QTest::mouseClick(field, Qt::LeftButton, {}, field->rect().center());
            testing_support::type(field, QString::fromUtf8(c.typed));
            testing_support::press(field, Qt::Key_Return); // Enter moves on
            EXPECT_NE(QApplication::focusWidget(), field) << control << c.typed;
            EXPECT_EQ(field->text(), QString::fromUtf8(c.shown)) << control << c.typed;

            const QByteArray before = fileBytes(t.filePath());
            t.h.fake.messages.clear();
            t.click("cmdSalva");
            const int f = t.layout().indexOf(QLatin1String(control).mid(3));
            if (c.saved) {
                EXPECT_EQ(t.stored(1)[f], QString::fromUtf8(c.shown)) << control << c.typed;
                continue;
            }
            ASSERT_EQ(t.h.fake.messages.size(), 1u) << control;
            EXPECT_EQ(t.h.fake.lastMessage().text,
                      platform::amountProblem(QString::fromUtf8(c.typed), {}).text);
            EXPECT_EQ(QApplication::focusWidget(), field) << control;
            EXPECT_EQ(fileBytes(t.filePath()), before) << control;
        }
    }
}

// Leaving a changed sheet asks first: Sì saves it, No gives the change up, Annulla stays.
TEST(RecordWindows, LeavingAChangedSheetAsks) {
    enum class Leave { Navigation, New, Close, Pick };
    const std::pair<Leave, const char*> leaves[] = {{Leave::Navigation, "navigation"},
                                                    {Leave::New, "New"},
                                                    {Leave::Close, "close"},
                                                    {Leave::Pick, "pick"}};
    const Answer answers[] = {Answer::Yes, Answer::No, Answer::Cancel};
    for (Kind kind : kWindows) {
        for (const auto& [leaveKind, leaveName] : leaves) {
            const Leave leave = leaveKind;
            for (Answer answer : answers) {
                Window t(kind);
                const std::string where = kNames[int(kind)] + std::string(" ") + leaveName + " " +
                                          std::to_string(int(answer));
                const auto go = [&] {
                    switch (leave) {
                    case Leave::Navigation:
                        return t.click("cmdAvanti");
                    case Leave::New:
                        return t.click("cmdNuovo");
                    case Leave::Close:
                        return t.click("cmdEsci");
                    case Leave::Pick:
                        return t.pick(2);
                    }
                };
                // Nothing changed: no question, and the step is taken.
                go();
                EXPECT_EQ(t.saveQuestions(), 0) << where;
                if (leave == Leave::Close) t.w->show();
                t.h.fake.messages.clear();
                t.click("cmdPrimo");
                ASSERT_EQ(t.position(), u"1"_qs) << where;

                t.edit(t.textControl())->setText(u"Cambiato"_qs);
                t.h.fake.answers = {answer};
                go();
                ASSERT_GE(t.h.fake.messages.size(), 1u) << where;
                EXPECT_EQ(t.h.fake.messages[0].kind, MsgKind::SaveQuestion) << where;
                EXPECT_EQ(t.h.fake.messages[0].text, u"Salvare le modifiche alla scheda?"_qs)
                    << where;
                EXPECT_EQ(t.saveQuestions(), 1) << where;
                const int field = t.layout().indexOf(QLatin1String(t.textControl()).mid(3));
                EXPECT_EQ(t.stored(1)[field], answer == Answer::Yes ? u"Cambiato"_qs : u"Primo"_qs)
                    << where;
                const bool stayed = answer == Answer::Cancel;
                if (leave == Leave::Close) {
                    EXPECT_EQ(t.w->isVisible(), stayed) << where;
                } else {
                    EXPECT_EQ(t.position() == u"1"_qs, stayed) << where;
                }
                if (stayed) {
                    EXPECT_EQ(t.edit(t.textControl())->text(), u"Cambiato"_qs) << where;
                }
            }
        }
    }
}

} // namespace
