#include "members/member_email.h"
#include "platform/shell_open.h"

#include <QUrlQuery>

#include <gtest/gtest.h>

using namespace members;

namespace {

QStringList member(std::initializer_list<std::pair<MemberField, QString>> set) {
    QStringList v;
    for (int i = 0; i < MemberFieldCount; ++i)
        v << QString();
    for (const auto& [f, s] : set)
        v[f] = s;
    return v;
}

} // namespace

TEST(MemberEmail, RenewalChecksRunInOrderAndStopAtTheFirstEmptyField) {
    const QString name = QStringLiteral("Rossi Mario"), card = QStringLiteral("17"),
                  issued = QStringLiteral("01/01/2026"), expires = QStringLiteral("31/12/2026");
    struct Case {
        QStringList values;
        const char* control;
        const char* message;
    };
    const Case cases[] = {
        {member({}), "txtTesserato",
         "Attenzione: per inviare l'avviso è necessario indicare cognome e nome del tesserato."},
        // No card number and no address: the card number is reported first.
        {member({{Tesserato, name}, {DataRil, issued}, {DataScade, expires}}), "txtNumTessera",
         "Attenzione: per inviare l'avviso è necessario indicare il numero della tessera."},
        {member({{Tesserato, name}, {NumTessera, card}}), "txtDataRil",
         "Attenzione: per inviare l'avviso è necessario indicare la data di rilascio del "
         "tesserino."},
        {member({{Tesserato, name}, {NumTessera, card}, {DataRil, issued}}), "txtDataScade",
         "Attenzione: per inviare l'avviso è necessario indicare la data di scadenza del "
         "tesserino."},
        {member({{Tesserato, name}, {NumTessera, card}, {DataRil, issued}, {DataScade, expires}}),
         "txtEmail",
         "Attenzione: per inviare l'avviso è necessario indicare l'indirizzo e-mail del "
         "tesserato."},
    };
    for (const Case& c : cases) {
        const auto problem = renewalNoticeProblem(c.values);
        ASSERT_TRUE(problem.has_value()) << c.control;
        EXPECT_EQ(problem->control, QString::fromLatin1(c.control));
        EXPECT_EQ(problem->text, QString::fromUtf8(c.message));
        EXPECT_EQ(problem->kind, platform::MsgKind::Warning);
    }
    EXPECT_FALSE(renewalNoticeProblem(member({{Tesserato, name},
                                              {NumTessera, card},
                                              {DataRil, issued},
                                              {DataScade, expires},
                                              {Email, QStringLiteral("a@b.it")}})));
}

TEST(MemberEmail, LinksCarryTheTextsAsWrittenAndSurviveTheDesktopEncoding) {
    EXPECT_EQ(plainMailCommand(QStringLiteral("mario@example.it")),
              QStringLiteral("\"mailto:mario@example.it\""));

    // Characters that mean something in a link (& # % + ?) and accents stay in the message.
    const QStringList v = member({{Tesserato, QStringLiteral("D'Amico & Figli #1 50% +più?")},
                                  {NumTessera, QStringLiteral("A/7")},
                                  {DataRil, QStringLiteral("01/01/2026")},
                                  {DataScade, QStringLiteral("31/12/2026")},
                                  {Email, QStringLiteral("socio+soci@example.it")}});
    const QString body = renewalNoticeBody(v);
    EXPECT_EQ(
        body,
        QStringLiteral("Gentilissimo Sig. D'Amico & Figli #1 50% +più?, con la presente le "
                       "ricordiamo che la sua tessera n. A/7, rilasciata in data 01/01/2026 e con "
                       "scadenza in data 31/12/2026, ha bisogno di essere rinnovata. Pertanto, la "
                       "preghiamo di recarsi con cortese sollecitudine presso i nostri uffici per "
                       "provvedere al rinnovo. In attesa di un suo riscontro, le porgiamo cordiali "
                       "saluti."));
    const QString command = renewalMailCommand(v);
    EXPECT_EQ(command,
              QStringLiteral("\"mailto:socio+soci@example.it?subject=Rinnovo tessera&body=") +
                  body + QStringLiteral("\""));

    const QUrl url = platform::desktopUrl(command);
    ASSERT_TRUE(url.isValid());
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(url.path(), QStringLiteral("socio+soci@example.it"));
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("Rinnovo tessera"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), body);
}
