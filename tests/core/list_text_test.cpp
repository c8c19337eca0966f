#include "core/list_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace core;

TEST(ListOrder, FoldsOnlyAsciiLettersAndPutsPrefixesFirst) {
    struct Case {
        const char16_t* a;
        const char16_t* b;
        int sign;
    };
    const Case cases[] = {
        {u"rossi", u"ROSSI", 0},            // a-z count as A-Z
        {u"Rossi", u"Rossini", -1},         // a prefix comes first
        {u"Bianchi", u"ardito", 1},         // 'B' > 'A' once folded
        {u"Zeta", u"_x", -1},               // letters fold to capitals, which sort before '_'
        {u"\u00c8rica", u"\u00e8rica", -1}, // È and è keep their own codes
        {u"\u00e8rica", u"Zorro", 1},       // accented letters sort after Z
        {u"", u"a", -1},
        {u"Anna  Tessera", u"Anna Tessera", -1}, // blank before letters
    };
    for (const Case& c : cases) {
        const int r = compareListText(QString::fromUtf16(c.a), QString::fromUtf16(c.b));
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << QString::fromUtf16(c.a).toStdString();
        const int back = compareListText(QString::fromUtf16(c.b), QString::fromUtf16(c.a));
        EXPECT_EQ((back > 0) - (back < 0), -c.sign);
    }
}

TEST(ListOrder, SortKeepsAddingOrderForEqualTexts) {
    QStringList lines{u"verdi"_qs, u"ROSSI"_qs, u"bianchi"_qs, u"Rossi"_qs, u"rossi"_qs};
    sortListLines(lines);
    EXPECT_EQ(lines,
              (QStringList{u"bianchi"_qs, u"ROSSI"_qs, u"Rossi"_qs, u"rossi"_qs, u"verdi"_qs}));
}

// The sort reads a packed prefix of each line first; whatever the lines share or lack in that
// prefix (short lines, prefixes, NULs, case-only differences past it), the order must be the
// comparator's, and equal lines must keep the order they came in.
TEST(ListOrder, SortAgreesWithTheComparatorOnLinesAroundThePackedPrefix) {
    // Letters that fold, NUL, an accented letter, and letters past one byte (ÿ, €).
    const char16_t alphabet[] = {u'a',      u'A',      u'b',      u'B', u' ', u'\0',
                                 u'\u00e8', u'\u00ff', u'\u20ac', u'_', u'Z'};
    std::mt19937 rng(7);
    for (int round = 0; round < 20; ++round) {
        QStringList lines;
        for (int i = 0; i < 300; ++i) {
            // Lengths around and well past the prefix; a long shared start makes ties past
            // it, and past the next packed characters, common.
            const int length = int(rng() % 60);
            QString line = (rng() % 2) ? QString(40, u'a').left(length) : QString();
            while (line.size() < length)
                line += QChar(alphabet[rng() % std::size(alphabet)]);
            lines << line;
        }
        QStringList expected = lines;
        std::stable_sort(expected.begin(), expected.end(), [](const QString& x, const QString& y) {
            return compareListText(x, y) < 0;
        });
        QStringList sorted = lines;
        sortListLines(sorted);
        ASSERT_EQ(sorted, expected) << "round " << round;

        SortedLines collected;
        for (const QString& l : lines)
            collected.append(l);
        // Equal under the order but different texts: the order they were added in decides.
        ASSERT_EQ(collected.take(), expected);
        EXPECT_EQ(collected.size(), 0);
    }
}

// In lists of tens of thousands of lines, a large run where only a few characters vary (dates,
// hours) is sorted on those characters alone. Shaped like the deadline lines: a few repeated
// reasons, then a date, an hour and a name, with duplicates; and once with random tails.
TEST(ListOrder, LargeListsSortLikeTheComparator) {
    const QStringList reasons = {u"Quota annuale"_qs, u"quota ANNUALE"_qs, u"Affitto sala"_qs,
                                 u"Bollo"_qs, u"Assicurazione responsabilit\u00e0 civile"_qs};
    std::mt19937 rng(3);
    for (const bool fewVarying : {true, false}) {
        QStringList lines;
        for (int i = 0; i < 40000; ++i) {
            QString line = reasons[int(rng() % reasons.size())].leftJustified(35, u' ');
            if (fewVarying)
                line += QStringLiteral("%1/%2/2026 %3:30 Rossi %4")
                            .arg(1 + rng() % 28, 2, 10, QLatin1Char('0'))
                            .arg(1 + rng() % 12, 2, 10, QLatin1Char('0'))
                            .arg(rng() % 24, 2, 10, QLatin1Char('0'))
                            .arg(rng() % 5000);
            else
                for (int c = int(rng() % 30); c > 0; --c)
                    line += QChar(u"aAbB zZ\u00e8_09"[rng() % 12]);
            lines << (i % 9 == 0 && i > 0 ? lines.back() : line);
        }
        QStringList expected = lines;
        std::stable_sort(expected.begin(), expected.end(), [](const QString& x, const QString& y) {
            return compareListText(x, y) < 0;
        });
        SortedLines collected;
        for (qsizetype i = 0; i < lines.size(); ++i)
            collected.append(lines[i], i);
        std::vector<qint64> order;
        ASSERT_EQ(collected.take(order), expected) << "few varying: " << fewVarying;
        // Equal lines keep the order they were added in.
        for (size_t i = 1; i < order.size(); ++i)
            if (lines[order[i]] == lines[order[i - 1]]) ASSERT_LT(order[i - 1], order[i]);
    }
}

TEST(FindInList, NewKeyFromTopRepeatedKeyFromNextWrapping) {
    const QStringList lines{u"Alfa Rossi"_qs, u"Beta"_qs, u"Gamma ROSSI"_qs, u"Delta rossini"_qs};
    QString last;
    struct Step {
        int selected;
        const char* typed;
        int expect;
    };
    // One window's session: the last key carries from step to step.
    const Step steps[] = {
        {-1, "rossi", 0}, // nothing selected: first entry, new key searches from the top
        {0, "rossi", 2},  // same key: from the entry after the selected one; case folded
        {2, "rossi", 3},  {3, "rossi", 0}, // wraps round
        {0, "beta", 1},                    // new key
        {3, "BETA", 1},  // the key is lower-cased, so it is the same key: from after 3, wrapping
        {1, "zzz", 1},   // no match: the selection stays
        {2, "gamma", 2}, // new key from the top finds the selected entry itself
        {2, "gamma", 2}, // repeated: one full turn, the selected entry is tested last
    };
    for (const Step& s : steps)
        EXPECT_EQ(findInList(lines, s.selected, QString::fromUtf8(s.typed), last), s.expect)
            << s.typed;
    EXPECT_EQ(last, u"gamma"_qs);
}

TEST(FindInList, KeyIsNotTrimmedAndAccentsAreNotFolded) {
    const QStringList lines{u"Rossi"_qs, u"\u00e8lite Carlo"_qs, u"Marco Rossi"_qs, u"a.*[(b"_qs};
    QString last;
    EXPECT_EQ(findInList(lines, -1, u" rossi"_qs, last), 2);    // the blank is part of the key
    EXPECT_EQ(findInList(lines, 2, u"\u00c8lite"_qs, last), 2); // È does not find è: stays
    EXPECT_EQ(findInList(lines, 0, u".*[("_qs, last), 3);       // plain text, not a pattern
    EXPECT_EQ(findInList({}, -1, u"x"_qs, last), -1);
}

// An empty key: it occurs in every entry, unless the list's rule says it finds nothing; either
// way it becomes the last key.
TEST(FindInList, EmptyKeyFindsEveryEntryOrNothingByTheListsRule) {
    const QStringList lines{u"Alfa"_qs, u"Beta"_qs, u"Gamma"_qs};
    struct Case {
        EmptyKey rule;
        int selected;
        const char* lastKey;
        int expect;
    };
    const Case cases[] = {
        {EmptyKey::FindsEvery, -1, "beta", 0},   // a new key: the first entry matches
        {EmptyKey::FindsEvery, 1, "", 2},        // repeated: the next entry matches
        {EmptyKey::FindsEvery, 2, "", 0},        // wrapping round
        {EmptyKey::FindsNothing, -1, "beta", 0}, // nothing selected: the first entry, no find
        {EmptyKey::FindsNothing, 1, "beta", 1},  // the selection stays
        {EmptyKey::FindsNothing, 1, "", 1},      // repeated, still nothing
    };
    for (const Case& c : cases) {
        QString last = QString::fromUtf8(c.lastKey);
        EXPECT_EQ(findInList(lines, c.selected, QString(), last, c.rule), c.expect)
            << int(c.rule) << " " << c.selected << " " << c.lastKey;
        EXPECT_TRUE(last.isEmpty());
    }
    QString last;
    EXPECT_EQ(findInList({}, -1, QString(), last, EmptyKey::FindsNothing), -1);
}

TEST(FindInList, FoldedContainsMatchesOnlyAsciiCase) {
    EXPECT_TRUE(containsFolded(u"Via ROMA 1", u"roma"));
    EXPECT_TRUE(containsFolded(u"abc", u""));
    EXPECT_FALSE(containsFolded(u"ab", u"abc"));
    EXPECT_FALSE(containsFolded(u"CITT\u00c0", u"citt\u00e0"));
    EXPECT_TRUE(containsFolded(u"aaab", u"aab")); // restarts after a partial match

    // The same over stored bytes (Windows-1252): only A-Z fold.
    EXPECT_TRUE(containsFolded(QByteArrayView("Via ROMA 1"), QByteArrayView("roma")));
    EXPECT_TRUE(containsFolded(QByteArrayView("abc"), QByteArrayView("")));
    EXPECT_FALSE(containsFolded(QByteArrayView("ab"), QByteArrayView("abc")));
    EXPECT_FALSE(containsFolded(QByteArrayView("CITT\xc0"), QByteArrayView("citt\xe0")));
    EXPECT_TRUE(containsFolded(QByteArrayView("aaab"), QByteArrayView("aab")));
}
