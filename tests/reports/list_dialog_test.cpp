#include "fake_platform.h"
#include "reports/list_dialog.h"

#include <QLineEdit>

#include <gtest/gtest.h>

using namespace reports;
using testing_support::child;
using testing_support::Harness;

namespace {

constexpr core::Field kFields[] = {{"Nome", 30}, {"Note", 250}};
const core::RecordLayout kLayout(kFields);

constexpr FilterField kFilters[] = {
    {u"txtNome", u"Nome:", 0},
    {u"txtNote", u"Note:", 1},
    {u"txtLibero", u"Libero:"},
};

// The smallest search window.
class Search : public SearchDialog {
public:
    Search(platform::Context& ctx, const core::RecordLayout* layout)
        : SearchDialog(
              ctx, nullptr,
              {u"TfrmProva"_qs,
               u" Prova"_qs,
               u"panFiltri"_qs,
               true,
               {u"panElenco"_qs, u"Prova"_qs, [](qsizetype n) { return QString::number(n); }},
               layout},
              kFilters, u"prova"_qs) {}

private:
    core::ListRows find() override { return {}; }
    void pick(qint64) override {}
};

} // namespace

// Each filter is limited by the capacity of its record field; one without a field, or a window
// without a layout, takes any length.
TEST(SearchDialog, FiltersTakeTheirFieldsCapacity) {
    Harness h;
    struct Case {
        const core::RecordLayout* layout;
        const char16_t* filter;
        int maxLength;
    };
    const Case cases[] = {
        {&kLayout, u"txtNome", 30},
        {&kLayout, u"txtNote", 250},
        {&kLayout, u"txtLibero", 32767},
        {nullptr, u"txtNome", 32767},
    };
    for (const Case& c : cases) {
        Search w(h.ctx, c.layout);
        EXPECT_EQ(child<QLineEdit>(&w, QString::fromUtf16(c.filter))->maxLength(), c.maxLength)
            << QString::fromUtf16(c.filter).toStdString();
    }
}
