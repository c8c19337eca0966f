#include "cashbook/statement_charts.h"

#include "cashbook/balance.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace cashbook {

namespace {

const QColor kIncome(0x2E, 0x7D, 0x32);
const QColor kExpense(0xC0, 0x00, 0x00);
const QColor kRunning(0x00, 0x00, 0x80);
// The pie's nine colours, the last one for "Altre".
const QColor kSlices[] = {QColor(0x1F77B4u), QColor(0xFF7F0Eu), QColor(0x2CA02Cu),
                          QColor(0xD62728u), QColor(0x9467BDu), QColor(0x8C564Bu),
                          QColor(0xE377C2u), QColor(0x17BECFu), QColor(0x9E9E9Eu)};

double euros(core::CentsTotal cents) {
    return double(cents) / 100.0;
}

QFont smallFont(int points, bool bold = false) {
    QFont f;
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

// Charts carry no title of their own: the window and the page name them.
QChart* newChart() {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(smallFont(8));
    return chart;
}

// Round steps from `low` to `high`, each labelled as the tables write amounts ("1.234,56 €":
// a value axis formats by the locale and its printf-like pattern, not by our rule).
QCategoryAxis* amountAxis(double low, double high) {
    if (high - low < 1) high = low + 1; // an empty year still gets a readable axis
    QValueAxis nice;
    nice.setRange(low, high);
    nice.applyNiceNumbers();
    const double from = nice.min(), to = nice.max();
    const int ticks = std::max(2, nice.tickCount());
    auto* axis = new QCategoryAxis;
    axis->setRange(from, to);
    axis->setStartValue(from);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (int i = 0; i < ticks; ++i) {
        const double value = from + (to - from) * i / (ticks - 1);
        axis->append(euroText(core::CentsTotal(std::llround(value * 100))), value);
    }
    return axis;
}

} // namespace

QChart* monthChart(const Statement& s, core::CentsTotal opening) {
    QChart* chart = newChart();
    auto* income = new QBarSet(u"Entrate"_qs);
    auto* expenses = new QBarSet(u"Uscite"_qs);
    income->setColor(kIncome);
    income->setBorderColor(kIncome);
    expenses->setColor(kExpense);
    expenses->setBorderColor(kExpense);
    auto* running = new QLineSeries;
    running->setName(u"Saldo progressivo"_qs);
    running->setPen(QPen(kRunning, 2.5));
    running->setPointsVisible(true);

    const std::array<core::CentsTotal, 12> balances = runningBalances(s, opening);
    double low = 0, high = 0;
    for (int m = 0; m < 12; ++m) {
        const double in = euros(s.months[m].all.income), out = euros(s.months[m].all.expenses),
                     run = euros(balances[m]);
        *income << in;
        *expenses << out;
        running->append(m, run);
        if (balances[m] < 0)
            running->setPointConfiguration(m, QXYSeries::PointConfiguration::Color, kExpense);
        low = std::min({low, out, run});
        high = std::max({high, in, run});
    }
    auto* bars = new QBarSeries;
    bars->append(income);
    bars->append(expenses);
    chart->addSeries(bars);
    chart->addSeries(running);

    QStringList months;
    for (const QString& name : monthNames())
        months << name.left(3);
    auto* x = new QBarCategoryAxis;
    x->append(months);
    QCategoryAxis* y = amountAxis(low, high);
    QFont monthFont = smallFont(8);
    monthFont.setPointSizeF(7.5); // "Mag" beside "Apr" in the window's narrow chart
    x->setLabelsFont(monthFont);
    y->setLabelsFont(smallFont(8));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(bars), static_cast<QAbstractSeries*>(running)}) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    return chart;
}

QChart* expenseChart(const Statement& s) {
    const std::vector<Slice> slices = expenseSlices(s);
    QChart* chart = newChart();
    if (slices.empty()) {
        chart->setTitle(u"Nessuna uscita nell'anno"_qs);
        chart->setTitleFont(smallFont(9, true));
    }
    auto* pie = new QPieSeries;
    for (std::size_t i = 0; i < slices.size(); ++i) {
        QPieSlice* slice = pie->append(slices[i].label + u": "_qs + euroText(slices[i].cents),
                                       euros(slices[i].cents));
        slice->setColor(kSlices[std::min<std::size_t>(i, std::size(kSlices) - 1)]);
        slice->setBorderColor(Qt::white);
    }
    pie->setPieSize(0.85);
    chart->addSeries(pie);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setShowToolTips(true);
    return chart;
}

QImage chartPicture(QChart* chart, QSize size, int scale) {
    QGraphicsScene scene;
    scene.addItem(chart); // the scene owns the chart from here
    chart->resize(size);
    scene.setSceneRect(QRectF(QPointF(0, 0), QSizeF(size)));
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, QRectF(image.rect()), scene.sceneRect());
    return image;
}

} // namespace cashbook
