#include "reports/list_report.h"

#include "platform/print_prompt.h"
#include "reports/templates.h"

namespace reports {

Report listReport(const QString& title, const QStringList& lines, const QDate& today) {
    Report report(listTemplate());
    report.setText(QStringLiteral("txtTitolo"), title);
    report.clearLines(QStringLiteral("txtRiepilogo"));
    for (const QString& l : lines)
        report.appendLine(QStringLiteral("txtRiepilogo"), l);
    const double height = lines.size() * kListLineUnits;
    report.setHeight(QStringLiteral("txtRiepilogo"), height);
    report.setHeight(QStringLiteral("MasterData"), height + 10);
    report.prepare(today);
    return report;
}

void printList(platform::Context& ctx, QWidget* parent, const QString& title,
               const QStringList& lines) {
    platform::printNow(ctx, parent, platform::PrintMode::Print, [&] {
        return platform::printJob(listReport(title, lines, ctx.platform.today()));
    });
}

} // namespace reports
