#include "platform/frm_calendario.h"

#include "core/dates.h"
#include "platform/ui.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCharFormat>

namespace platform {

namespace {

const DateTarget* findTarget(DateTargets targets, const QString& mode) {
    for (const DateTarget& t : targets)
        if (mode == QLatin1String(t.mode)) return &t;
    return nullptr;
}

class PickerKeyFilter : public QObject {
public:
    PickerKeyFilter(QLineEdit* field, std::function<void()> open)
        : QObject(field), open_(std::move(open)) {}

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* field = static_cast<QLineEdit*>(watched);
        switch (static_cast<QKeyEvent*>(e)->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            field->clear();
            return true;
        // A modifier pressed on its own is not a key of its own yet.
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return false;
        default:
            if (open_) open_();
            return true;
        }
    }

private:
    std::function<void()> open_;
};

} // namespace

TfrmCalendario::TfrmCalendario(Context& ctx, QWidget* parent, DateTargets targets)
    : QDialog(parent), targets_(targets), calendar_(new QCalendarWidget(this)),
      memory_(new QLabel(this)) {
    setupDialog(this, QStringLiteral("TfrmCalendario"), QStringLiteral(" Importazione data"),
                QSize(253, 294));

    auto* title = makeLabel(this, QStringLiteral("Importare una data:"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setGeometry(12, 10, 229, 20);

    calendar_->setObjectName(QStringLiteral("calAppuntamenti"));
    calendar_->setGeometry(8, 36, 237, 204);
    calendar_->setGridVisible(true);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    QTextCharFormat header;
    header.setFontPointSize(calendar_->font().pointSizeF() * 0.9);
    calendar_->setHeaderTextFormat(header);
    const QDate today = ctx.platform.today();
    calendar_->setSelectedDate(today);
    calendar_->setCurrentPage(today.year(), today.month());

    auto* importa = new QPushButton(QStringLiteral("Importa"), this);
    importa->setObjectName(QStringLiteral("btnImportaData"));
    importa->setIcon(QIcon(QStringLiteral(":/art/importa.svg")));
    importa->setGeometry(12, 250, 110, 32);
    importa->setDefault(true);
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    annulla->setIcon(QIcon(QStringLiteral(":/art/chiudi.svg")));
    annulla->setGeometry(131, 250, 110, 32);

    memory_->setObjectName(QStringLiteral("lblMemory"));
    memory_->setVisible(false);

    connect(importa, &QPushButton::clicked, this, &TfrmCalendario::importDate);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(calendar_, &QCalendarWidget::activated, this, &TfrmCalendario::importDate);
}

void TfrmCalendario::setMode(const QString& mode) {
    memory_->setText(mode);
}
QString TfrmCalendario::mode() const {
    return memory_->text();
}
QDate TfrmCalendario::selectedDate() const {
    return calendar_->selectedDate();
}

void TfrmCalendario::importDate() {
    // A mode that the opener does not know leaves the picker open.
    if (findTarget(targets_, mode())) accept();
}

std::optional<QDate> pickDate(Context& ctx, QWidget* window, const QString& mode,
                              DateTargets targets) {
    TfrmCalendario picker(ctx, window, targets);
    picker.setMode(mode);
    if (ctx.platform.runModal(picker) != QDialog::Accepted) return std::nullopt;
    const DateTarget* target = findTarget(targets, picker.mode());
    if (!target) return std::nullopt;
    const QDate day = picker.selectedDate();
    if (auto* field = window->findChild<QLineEdit*>(QLatin1String(target->control)))
        field->setText(core::formatDate(day));
    return day;
}

void makePickerDateField(QLineEdit* field, std::function<void()> openPicker) {
    field->setReadOnly(true);
    field->installEventFilter(new PickerKeyFilter(field, std::move(openPicker)));
}

} // namespace platform
