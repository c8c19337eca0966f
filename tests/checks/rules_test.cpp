#include "checks/rules.h"

#include <gtest/gtest.h>

#include <set>

using namespace checks;

namespace {
QString u8(const char* s) {
    return QString::fromUtf8(s);
}
} // namespace

// Valid codes were made up and given their control letter with the published tables; each
// "changed" code differs from a valid one in one character.
TEST(FiscalCode, ControlCharacterDecidesValidity) {
    const struct {
        const char* code;
        bool valid;
    } cases[] = {
        {"RSSMRA85T10A562S", true},
        {"BNCLRA92E45F205F", true},
        {"VRDGPP70A01H501S", true},
        {"NRELCU01D60L219G", true},
        {"FRNSFN88C22Z404U", true},
        {"MRTLSS00P50G273V", true},
        {"RSSMRA85T10A562T", false},
        {"BNCLRA92E46F205F", false},
        {"VRDGPP70A01H502S", false},
        {"NRELCU01D60L219H", false},
        {"FRNSFN88C22Z40AU", false},
        {"RSSMRA58T10A562S", false},
        // S = 8 x 1 + 7 x 0 = 8: control letter I.
        {"0000000000000000", false},
        {"AAAAAAAAAAAAAAAI", true},
        // The punctuation between "9" and "A" weighs 0 in both tables.
        {":AAAAAAAAAAAAAAH", true},
        {"A@AAAAAAAAAAAAAI", true},
        // Only the control character is looked at.
        {"9999999999999999", false},
        {"ZZZZZZZZZZZZZZZZ", false},
        // Outside "0".."Z" nothing weighs: never valid, never a crash.
        {"rssmra85t10a562s", false},
        {"RSSMRA85 10A562S", false},
        {"RSSMRA85T10A56/S", false},
        {"RSSMRA85T10A562[", false},
        {"RSSMRÀ85T10A562S", false},
        // Wrong lengths.
        {"RSSMRA85T10A562", false},
        {"RSSMRA85T10A562SS", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fiscalCodeValid(u8(c.code)), c.valid) << c.code;
    EXPECT_EQ(fiscalCodeControlChar(u"000000000000000"), QChar(u'I'));
    EXPECT_EQ(fiscalCodeControlChar(u"RSSMRA85 10A562"), std::nullopt);
}

TEST(VatNumber, CheckDigit) {
    const struct {
        const char* number;
        bool valid;
    } cases[] = {
        {"12345670587", true},  {"76543211205", true},   {"00000010017", true},
        {"02000000964", true},  {"98765431212", true},   {"00000000000", true},
        {"44444441024", true},  {"12345670588", false},  {"76543211204", false},
        {"1234567058", false},  {"123456705870", false}, {"", false},
        {"1234567058A", false}, {"A2345670587", false},  {"12345 70587", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vatNumberValid(u8(c.number)), c.valid) << c.number;
}

// Weights 1 and 2 with digit summing: any single changed digit moves S off a multiple of 10.
TEST(VatNumber, EverySingleDigitChangeIsCaught) {
    const QString valid = QStringLiteral("12345670587");
    for (int pos = 0; pos < 11; ++pos)
        for (char d = '0'; d <= '9'; ++d) {
            if (valid[pos] == QChar(d)) continue;
            QString changed = valid;
            changed[pos] = QChar(d);
            EXPECT_FALSE(vatNumberValid(changed)) << changed.toStdString();
        }
}

TEST(VatNumber, OfficeTable) {
    EXPECT_EQ(vatOffices().size(), 104u);
    std::set<std::string> codes;
    for (const VatOffice& o : vatOffices())
        codes.insert(o.code);
    EXPECT_EQ(codes.size(), 104u); // no code twice

    const struct {
        const char* code;
        const char* name;
    } cases[] = {
        {"001", "Torino"},
        {"040", "Forlì"},
        {"058", "Roma 1"},
        {"096", "Monza (Milano 2)"},
        {"099", "Chiavari (Genova 2)"},
        {"102", "Napoli 2"},
        {"120", "Bologna 2"},
        {"121", "Napoli 2"},
        {"000", ""},
        {"103", ""},
        {"119", ""},
        {"122", ""},
        {"999", ""},
        {"58", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vatOfficeName(u8(c.code)), u8(c.name)) << c.code;
}

// Italian IBANs made up and given their check digits with the ISO 13616 rule.
TEST(Iban, ModuloNinetySeven) {
    const struct {
        const char* text;
        int remainder;
    } cases[] = {
        {"IT19K1234567890000000012345", 1},
        {"IT02B0306911111CC0012345678", 1},
        {"IT07Z0760103200000000777888", 1},
        {"IT58A0100503382000000218020", 1},
        {"IT19K1234567890000000012346", 28},
        {"IT02B0306911111CC0012345679", 28},
        {"IT19Z1234567890000000012345", 38},
        {"IT00K1234567890000000012345", 79},
        // Blanks go, case folds, the first "IBAN" is dropped.
        {"it19k1234567890000000012345", 1},
        {"IT19 K123 4567 8900 0000 0012 345", 1},
        {"IBANIT19K1234567890000000012345", 1},
        // Shorter than the four moved characters.
        {"AB", 41},
        // Anything but letters and digits fails the conversion: never a crash, never valid.
        {"IT19K12345678900000000+2345", 0},
        {"-T19K1234567890000000012345", 0},
        {"IT19K1234567890000000O1234$", 0},
        {"IT19K123456789000000001234À", 0},
        {"", 0},
        {"    ", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ibanRemainder(u8(c.text)), c.remainder) << c.text;
}

TEST(Card, LuhnAndType) {
    using V = CardVerdict;
    // Test numbers of each type made up and completed with the Luhn check digit.
    const struct {
        const char* text;
        V verdict;
    } cases[] = {
        {"4000123412341002", V::Visa},
        {"4000000000006", V::Visa},
        {"5123456700000008", V::MasterCard},
        {"6011000900000005", V::Discover},
        {"371234560000008", V::AmericanExpress},
        {"349876540000000", V::AmericanExpress},
        {"30569309000006", V::DinersClub},
        {"36123456000007", V::DinersClub},
        {"38520000000003", V::DinersClub},
        {"3530111300000005", V::Jcb},
        {"3111222200000008", V::Jcb},
        {"3333444400000008", V::Jcb},
        {"3212345600000001", V::NoMessage},
        {"3912345600000004", V::NoMessage},
        // Luhn-valid, but no card type starts with these digits.
        {"2221000000000009", V::Errato},
        {"7123456000000001", V::Errato},
        {"8123456000000009", V::Errato},
        {"9123456000000007", V::Errato},
        {"0123456000000006", V::Errato},
        {"1123456000000004", V::Errato},
        {"0", V::Errato},
        // One digit changed.
        {"4000123412341003", V::Errato},
        {"5123456700000018", V::Errato},
        {"371234560000018", V::Errato},
        {"3530111300000006", V::Errato},
        {"30569309000016", V::Errato},
        {"6011000900000004", V::Errato},
        // Only digits among the first 20 characters count.
        {"4000 1234 1234 1002", V::Visa},
        {"4000123412341002    5", V::Visa},
        {"400012341234100200005", V::Visa},
        {"abc", V::Errato},
        {"", V::Errato},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cardVerdict(u8(c.text)), c.verdict) << c.text;

    EXPECT_EQ(cardTypeCode(u"0"), -2);
    EXPECT_EQ(cardTypeCode(u"4000123412341003"), 0);
    EXPECT_EQ(cardTypeCode(u"6011000900000005"), 4);
    EXPECT_EQ(cardDigits(u"12-34 abc 5678 90123456789"), QStringLiteral("1234567890123"));
}
