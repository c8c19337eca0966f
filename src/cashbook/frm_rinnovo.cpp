#include "cashbook/frm_rinnovo.h"

#include "cashbook/movement_record.h"
#include "core/dates.h"
#include "core/record_file.h"
#include "core/text.h"
#include "platform/buttons.h"
#include "platform/frm_calendario.h"
#include "platform/help.h"
#include "platform/look.h"
#include "platform/problem.h"
#include "platform/record_form.h"
#include "platform/shell_open.h"
#include "platform/ui.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace cashbook {

namespace {

constexpr platform::DateTarget kRenewalDates[] = {{"datafissa", "txtDataFissa"},
                                                  {"dataril", "txtDataRil"}};

// Widths that fit the 838-pixel grid with "Esito" whole.
constexpr int kWidths[RenewalGridModel::ColumnCount] = {56, 170, 60, 100, 96, 64, 140, 130};

// The progress bar shows from this many members: fewer are written before it could paint.
constexpr int kProgressFrom = 500;

QString ok() {
    return QStringLiteral("OK");
}

} // namespace

RenewalGridModel::RenewalGridModel(QObject* parent, const QDate& today)
    : QAbstractTableModel(parent), today_(today) {}

void RenewalGridModel::setRows(std::vector<RenewalRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    ticked_.assign(rows_.size(), 0);
    for (size_t i = 0; i < rows_.size(); ++i)
        ticked_[i] = rows_[i].problem.isEmpty();
    done_ = false;
    endResetModel();
}

void RenewalGridModel::setOptions(const RenewalOptions& options) {
    options_ = options;
    if (!rows_.empty())
        emit dataChanged(index(0, NewExpiry), index(rowCount() - 1, NewExpiry));
}

QString RenewalGridModel::newExpiryText(int row) const {
    const auto date = newExpiry(rows_[size_t(row)].expiry, options_, today_);
    return date ? core::formatDate(*date) : QString();
}

int RenewalGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int RenewalGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RenewalGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const RenewalRow& r = rows_[size_t(index.row())];
    if (role == Qt::CheckStateRole && index.column() == Tick)
        return ticked_[size_t(index.row())] ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::ForegroundRole && index.column() == Outcome && !r.problem.isEmpty())
        return QColor(0xdc, 0x14, 0x3c); // crimson, as the list warnings
    if (role == Qt::TextAlignmentRole && index.column() == FeeColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    // Long names and addresses are cut in the grid: the pointer shows them whole.
    if (role == Qt::ToolTipRole && (index.column() == Name || index.column() == Email))
        return index.column() == Name ? r.name : r.email;
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    switch (index.column()) {
    case Name:
        return r.name;
    case Card:
        return r.card;
    case Expiry:
        return r.expiry;
    case NewExpiry:
        return newExpiryText(index.row());
    case FeeColumn:
        return r.fee;
    case Email:
        return r.email;
    case Outcome:
        return r.problem.isEmpty() ? ok() : r.problem;
    default:
        return {};
    }
}

bool RenewalGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || done_) return false;
    const size_t row = size_t(index.row());
    if (index.column() == Tick && role == Qt::CheckStateRole) {
        ticked_[row] = value.toInt() == Qt::Checked;
        emit dataChanged(index, index);
        return true;
    }
    if (index.column() == FeeColumn && role == Qt::EditRole) {
        const Fee fee = readFee(value.toString());
        RenewalRow& r = rows_[row];
        r.fee = fee.problem.isEmpty() ? fee.amount : value.toString();
        // A fee put right ticks its row again; a spoiled one unticks it.
        if (r.problem.isEmpty() != fee.problem.isEmpty()) ticked_[row] = fee.problem.isEmpty();
        r.problem = fee.problem;
        emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
        return true;
    }
    return false;
}

Qt::ItemFlags RenewalGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (done_) return f;
    if (index.column() == Tick) f |= Qt::ItemIsUserCheckable;
    if (index.column() == FeeColumn) f |= Qt::ItemIsEditable;
    return f;
}

QVariant RenewalGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char16_t* const headers[ColumnCount] = {
        u"Rinnova",         u"Cognome e nome Socio", u"Tessera n.", u"Scadenza attuale",
        u"Nuova scadenza", u"Quota",                u"E-mail",     u"Esito"};
    return QString::fromUtf16(headers[section]);
}

TfrmRinnovo::TfrmRinnovo(platform::Context& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    platform::setupDialog(this, u"TfrmRinnovo"_qs, u" Quorvix 5.0 - Rinnovo tessere"_qs,
                          {862, 560});
    const QDate today = ctx_.platform.today();

    platform::makeLabel(this, u"Nuova scadenza:"_qs)->setGeometry(12, 12, 110, 24);
    optUnAnno_ = platform::makeOption(this, u"optUnAnno"_qs, u"Un anno dopo la scadenza attuale"_qs,
                                      {122, 12, 250, 24});
    optDataFissa_ =
        platform::makeOption(this, u"optDataFissa"_qs, u"Tutte al"_qs, {380, 12, 80, 24});
    auto* expiryChoice = new QButtonGroup(this);
    expiryChoice->addButton(optUnAnno_);
    expiryChoice->addButton(optDataFissa_);
    optUnAnno_->setChecked(true);
    txtDataFissa_ = platform::makeEdit(this, u"txtDataFissa"_qs, 10);
    txtDataFissa_->setGeometry(462, 12, 100, 24);
    platform::makeLabel(this, u"Data di rilascio:"_qs)->setGeometry(600, 12, 120, 24);
    txtDataRil_ = platform::makeEdit(this, u"txtDataRil"_qs, 10);
    txtDataRil_->setGeometry(740, 12, 110, 24);
    txtDataRil_->setText(core::formatDate(today));
    for (QLineEdit* field : {txtDataFissa_, txtDataRil_}) {
        const QString mode = field == txtDataRil_ ? u"dataril"_qs : u"datafissa"_qs;
        platform::makePickerDateField(field, [this, mode] {
            if (platform::pickDate(ctx_, this, mode, kRenewalDates) && mode == u"datafissa"_qs)
                optDataFissa_->setChecked(true);
        });
    }

    chkPrimanota_ = new QCheckBox(u"Registra le quote in primanota"_qs, this);
    chkPrimanota_->setObjectName(u"chkPrimanota"_qs);
    chkPrimanota_->setGeometry(12, 44, 230, 24);
    chkPrimanota_->setChecked(true);
    lblAnno_ = platform::makeLabel(this, {}, u"lblAnno"_qs);
    lblAnno_->setGeometry(244, 44, 80, 24);
    platform::makeLabel(this, u"Causale:"_qs)->setGeometry(330, 44, 60, 24);
    txtCausale_ = platform::makeEdit(this, u"txtCausale"_qs, 250);
    txtCausale_->setGeometry(392, 44, 220, 24);
    platform::makeLabel(this, u"Pagamento:"_qs)->setGeometry(622, 44, 80, 24);
    txtPagamento_ = platform::makeEdit(this, u"txtPagamento"_qs, 150);
    txtPagamento_->setGeometry(700, 44, 150, 24);
    txtPagamento_->setText(u"Contanti"_qs);

    model_ = new RenewalGridModel(this, today);
    grid_ = new QTableView(this);
    grid_->setObjectName(u"grdRinnovo"_qs);
    grid_->setModel(model_);
    grid_->setAlternatingRowColors(true);
    grid_->setWordWrap(false); // a long name is cut at its end, not wrapped out of sight
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(22);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < RenewalGridModel::ColumnCount; ++c)
        grid_->setColumnWidth(c, kWidths[c]);
    grid_->setGeometry(12, 78, 838, 396);

    progress_ = new QProgressBar(this);
    progress_->setObjectName(u"prgRinnovo"_qs);
    progress_->setGeometry(440, 488, 240, 20);
    progress_->hide();

    btnRinnova_ = platform::dialogButton(this, u"btnRinnova"_qs, u"Rinnova"_qs, {12, 482, 110, 32});
    btnTessere_ =
        platform::dialogButton(this, u"btnTessere"_qs, u"Stampa tessere"_qs, {130, 482, 140, 32});
    btnEmail_ =
        platform::dialogButton(this, u"btnEmail"_qs, u"Invia conferma"_qs, {278, 482, 140, 32});
    auto* guida = platform::pictureButton(this, u"cmdGuida"_qs, u":/art/guida.svg"_qs,
                                          u"Guida"_qs, {28, 28});
    guida->setGeometry(700, 482, 36, 32);
    auto* chiudi = platform::dialogButton(this, u"btnChiudi"_qs, u"Chiudi"_qs, {740, 482, 110, 32});
    platform::look::makePrimary(btnRinnova_);
    btnTessere_->setEnabled(false);
    btnEmail_->setEnabled(false);
    // Printing the cards is lent by the cards folder; without it there is nothing to offer.
    btnTessere_->setVisible(static_cast<bool>(ctx_.actions.printCards));
    if (!ctx_.actions.printCards) btnEmail_->move(130, 482);

    panInfo_ = platform::makeLabel(this, {}, u"panInfo"_qs);
    panInfo_->setFrameShape(QFrame::StyledPanel);
    panInfo_->setFrameShadow(QFrame::Sunken);
    panInfo_->setGeometry(12, 530, 838, 22);
    platform::setStatusHint(btnRinnova_, panInfo_,
                            u"Rinnova le tessere spuntate e registra le quote in primanota."_qs);
    platform::setStatusHint(btnTessere_, panInfo_,
                            u"Stampa le tessere dei soci rinnovati su fogli da nove."_qs);
    platform::setStatusHint(
        btnEmail_, panInfo_,
        u"Invia ai soci rinnovati un messaggio di conferma, con gli indirizzi in copia nascosta."_qs);
    platform::setStatusHint(guida, panInfo_,
                            u"Visualizza la pagina della guida sensibile al contesto."_qs);
    platform::setStatusHint(chiudi, panInfo_, u"Esci da questo ambiente di lavoro."_qs);

    connect(optUnAnno_, &QRadioButton::toggled, this, &TfrmRinnovo::optionsChanged);
    connect(chkPrimanota_, &QCheckBox::toggled, this, &TfrmRinnovo::optionsChanged);
    connect(txtDataFissa_, &QLineEdit::textChanged, this, &TfrmRinnovo::optionsChanged);
    connect(txtDataRil_, &QLineEdit::textChanged, this, &TfrmRinnovo::optionsChanged);
    connect(btnRinnova_, &QPushButton::clicked, this, &TfrmRinnovo::renew);
    connect(btnTessere_, &QPushButton::clicked, this, &TfrmRinnovo::printCards);
    connect(btnEmail_, &QPushButton::clicked, this, &TfrmRinnovo::sendEmail);
    connect(guida, &QToolButton::clicked, this, [this] {
        ctx_.platform.showHelp(this, platform::helpTopic(u"members"_qs, u"rinnovo"_qs));
    });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);

    fill();
}

void TfrmRinnovo::fill() {
    const RenewalRows rows = renewalRows(ctx_.folder, ctx_.platform.today());
    model_->setRows(rows.rows);
    optionsChanged();
    if (!rows.ok) {
        ctx_.platform.message(this, platform::MsgKind::Error, core::archiveAccessMessage());
    } else if (rows.unreadable > 0) {
        ctx_.platform.message(this, platform::MsgKind::Warning,
                              u"Attenzione: %1 schede non leggibili non sono state incluse nel "
                              u"riepilogo."_qs.arg(rows.unreadable));
    }
    panInfo_->setText(u"Soci in attesa di rinnovo: %1."_qs.arg(rows.rows.size()));
}

void TfrmRinnovo::optionsChanged() {
    const QDate today = ctx_.platform.today();
    RenewalOptions o;
    if (optDataFissa_->isChecked()) o.fixedExpiry = core::parseDate(txtDataFissa_->text(), today);
    const auto issued = core::parseDate(txtDataRil_->text(), today);
    o.issueDate = issued.value_or(today);
    o.cashBook = chkPrimanota_->isChecked();
    // "Tutte al" without a date shows no new expiry rather than a guess.
    if (optDataFissa_->isChecked() && !o.fixedExpiry) o.fixedExpiry = QDate();
    model_->setOptions(o);

    lblAnno_->setText(issued ? u"Anno %1"_qs.arg(issued->year()) : QString());
    // The default reason follows the new expiry's year until the user types one of their own.
    // One year on, members' expiries differ: the latest year is the one being paid for.
    QDate expiry = o.fixedExpiry.value_or(QDate());
    if (!o.fixedExpiry) {
        for (const RenewalRow& r : model_->rows())
            if (const auto d = newExpiry(r.expiry, o, today); d && *d > expiry) expiry = *d;
        if (!expiry.isValid()) expiry = oneYearAfter(o.issueDate);
    }
    if (expiry.isValid() && txtCausale_->text() == shownReason_) {
        shownReason_ = defaultReason(expiry);
        txtCausale_->setText(shownReason_);
    }
    for (QWidget* w : {static_cast<QWidget*>(lblAnno_), static_cast<QWidget*>(txtCausale_),
                       static_cast<QWidget*>(txtPagamento_)})
        w->setEnabled(o.cashBook);
}

std::optional<RenewalOptions> TfrmRinnovo::checkedOptions() {
    const QDate today = ctx_.platform.today();
    RenewalOptions o;
    const auto warn = [&](const QString& text, QWidget* focus) {
        ctx_.platform.message(this, platform::MsgKind::Warning, text);
        focus->setFocus();
        return std::nullopt;
    };
    const auto issued = core::parseDate(txtDataRil_->text(), today);
    if (!issued) return warn(u"Attenzione: indicare la data di rilascio delle tessere."_qs, txtDataRil_);
    o.issueDate = *issued;
    if (optDataFissa_->isChecked()) {
        o.fixedExpiry = core::parseDate(txtDataFissa_->text(), today);
        if (!o.fixedExpiry)
            return warn(u"Attenzione: indicare la data di scadenza delle tessere."_qs,
                        txtDataFissa_);
        if (*o.fixedExpiry < o.issueDate)
            return warn(u"Attenzione: la data di scadenza non pu\u00f2 essere anteriore a quella "
                        u"di rilascio."_qs,
                        txtDataFissa_);
    }
    o.cashBook = chkPrimanota_->isChecked();
    o.reason = core::trimText(txtCausale_->text());
    o.payment = core::trimText(txtPagamento_->text());
    if (o.cashBook) {
        if (o.reason.isEmpty())
            return warn(u"Attenzione: indicare la causale del pagamento."_qs, txtCausale_);
        if (platform::showProblem(ctx_, this,
                                  platform::storableProblem(o.reason, kMovementFields[Causale].capacity,
                                                            u"Causale"_qs, u"txtCausale"_qs)) ||
            platform::showProblem(ctx_, this,
                                  platform::storableProblem(o.payment,
                                                            kMovementFields[Pagamento].capacity,
                                                            u"Pagamento"_qs, u"txtPagamento"_qs)))
            return std::nullopt;
    }
    return o;
}

void TfrmRinnovo::renew() {
    const auto options = checkedOptions();
    if (!options) return;
    std::vector<RenewalRequest> requests;
    core::CentsTotal total = 0;
    const auto& rows = model_->rows();
    for (int i = 0; i < model_->rowCount(); ++i) {
        if (!model_->ticked(i)) continue;
        const RenewalRow& r = rows[size_t(i)];
        if (options->cashBook) {
            const auto cents = r.problem.isEmpty() ? core::parseCents(r.fee) : std::nullopt;
            if (!cents) {
                grid_->setCurrentIndex(model_->index(i, RenewalGridModel::FeeColumn));
                ctx_.platform.message(this, platform::MsgKind::Warning,
                                      u"Attenzione: la quota del socio %1 non \u00e8 valida.\n\r\n\r"
                                      u"Correggerla o togliere la spunta."_qs.arg(r.name));
                return;
            }
            total += *cents;
        }
        requests.push_back({r.record, r.fingerprint, r.fee});
    }
    if (requests.empty()) {
        ctx_.platform.message(this, platform::MsgKind::Warning,
                              u"Attenzione: nessuna tessera da rinnovare."_qs);
        return;
    }
    const int count = int(requests.size());
    const int movements = options->cashBook ? count : 0;
    if (ctx_.platform.message(this, platform::MsgKind::Question,
                              renewalQuestion(count, movements, total)) != platform::Answer::Yes)
        return;

    const bool showProgress = count > kProgressFrom;
    if (showProgress) {
        progress_->setRange(0, count);
        progress_->setValue(0);
        progress_->show();
    }
    const auto step = std::max(1, count / 100);
    const RenewalResult result =
        renewMembers(ctx_.folder, requests, *options, ctx_.platform.today(), [&](int done) {
            if (showProgress && (done % step == 0 || done == count)) progress_->setValue(done);
        });
    progress_->hide();
    switch (result.outcome) {
    case RenewalResult::Outcome::Failed:
        ctx_.platform.message(this, platform::MsgKind::Error, core::archiveAccessMessage());
        return;
    case RenewalResult::Outcome::Changed:
        ctx_.platform.message(this, platform::MsgKind::Warning, renewalChangedMessage());
        fill();
        return;
    case RenewalResult::Outcome::Done:
        break;
    }
    renewed_.clear();
    renewedEmails_.clear();
    for (int i = 0; i < model_->rowCount(); ++i) {
        if (!model_->ticked(i)) continue;
        renewed_.push_back(rows[size_t(i)].record);
        renewedEmails_ << rows[size_t(i)].email;
    }
    model_->setDone(true);
    btnRinnova_->setEnabled(false);
    btnTessere_->setEnabled(true);
    btnEmail_->setEnabled(true);
    panInfo_->setText(renewalDoneMessage(result));
    ctx_.platform.message(this, platform::MsgKind::Information, renewalDoneMessage(result));
}

void TfrmRinnovo::printCards() {
    if (ctx_.actions.printCards && !renewed_.empty()) ctx_.actions.printCards(this, renewed_);
}

void TfrmRinnovo::sendEmail() {
    const QStringList links = confirmationMailCommands(renewedEmails_);
    if (links.isEmpty()) {
        ctx_.platform.message(this, platform::MsgKind::Warning,
                              u"Attenzione: nessuno dei soci rinnovati ha un indirizzo e-mail."_qs);
        return;
    }
    for (const QString& link : links) {
        if (!ctx_.platform.shellOpen(link)) {
            ctx_.platform.message(this, platform::MsgKind::Error, platform::mailRefusedMessage());
            return;
        }
    }
}

void renewDue(platform::Context& ctx, QWidget* parent) {
    TfrmRinnovo window(ctx, parent);
    ctx.platform.runModal(window);
}

} // namespace cashbook
