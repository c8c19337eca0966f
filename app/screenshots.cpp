// Takes the pictures of the user guide (docs/) on a real display, usually Xvfb: the main menu,
// the member window and the balance, over a small sample folder. scripts/screenshots runs it.
// Usage: quorvix_screenshots <output folder> [picture name prefix]
#include "app_setup.h"
#include "cashbook/frm_rinnovo.h"
#include "cashbook/movement_record.h"
#include "core/archive.h"
#include "members/member_record.h"
#include "platform/qt_platform.h"
#include "windows.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolButton>

namespace {

void addSamples(const QString& folder) {
    const core::Archive members(folder, members::kMemberFileName, members::memberLayout());
    const char* names[][4] = {
        {"Rossi Mario", "Presidente", "0001", "Via Roma 12"},
        {"Bianchi Anna", "Segretaria", "0002", "Corso Italia 5"},
        {"Verdi Luca", "Socio", "0003", "Piazza Garibaldi 3"},
    };
    for (const auto& n : names) {
        QStringList v(members::MemberFieldCount);
        v[members::Tesserato] = QString::fromUtf8(n[0]);
        v[members::Carica] = QString::fromUtf8(n[1]);
        v[members::NumTessera] = QString::fromUtf8(n[2]);
        v[members::IndirizzoRes] = QString::fromUtf8(n[3]);
        v[members::ComuneRes] = QStringLiteral("Bologna");
        v[members::ProvRes] = QStringLiteral("BO");
        v[members::CapRes] = QStringLiteral("40121");
        v[members::DataRil] = QStringLiteral("15/01/2026");
        v[members::DataScade] = QStringLiteral("31/12/2026");
        v[members::Titoli] = QStringLiteral("25,00");
        v[members::Email] = QStringLiteral("socio@example.org");
        v[members::Preavviso] = QStringLiteral("30");
        v[members::Annullata] = core::kNo;
        members.save(0, v);
    }
    const core::Archive year(folder, QStringLiteral("2026.eur"), cashbook::movementLayout());
    const struct {
        bool income;
        const char* date;
        const char* reason;
        const char* amount;
    } moves[] = {
        {true, "10/01/2026", "Quota associativa 2026", "25,00"},
        {true, "12/01/2026", "Quota associativa 2026", "25,00"},
        {false, "20/01/2026", "Affitto sala", "150,00"},
        {true, "03/02/2026", "Contributo comunale", "500,00"},
        {false, "18/02/2026", "Cancelleria", "42,60"},
    };
    for (const auto& m : moves) {
        QStringList v(cashbook::MovementFieldCount);
        v[cashbook::Entrata] = m.income ? core::kYes : core::kNo;
        v[cashbook::Uscita] = m.income ? core::kNo : core::kYes;
        v[cashbook::Data] = v[cashbook::DataSca] = QString::fromUtf8(m.date);
        v[cashbook::Causale] = QString::fromUtf8(m.reason);
        v[cashbook::Importo] = QString::fromUtf8(m.amount);
        v[cashbook::Totale] = (m.income ? u"+"_qs : u"-"_qs) + QString::fromUtf8(m.amount);
        v[cashbook::Preavviso] = QStringLiteral("0");
        v[cashbook::Saldato] = core::kYes;
        year.save(0, v);
    }
}

// 200 members due, with fees, e-mails and a few problems, for the renewal window.
void addDueMembers(const QString& folder) {
    const core::Archive members(folder, members::kMemberFileName, members::memberLayout());
    std::vector<QStringList> rows;
    for (int i = 0; i < 200; ++i) {
        QStringList v(members::MemberFieldCount);
        v[members::Tesserato] = QStringLiteral("Socio %1 Cognomelungo Nome").arg(i + 1, 3, 10, QChar(u'0'));
        v[members::NumTessera] = QString::number(1000 + i);
        v[members::DataRil] = QStringLiteral("01/03/2025");
        v[members::DataScade] = QDate(2026, 1, 1).addDays(i % 59).toString(u"dd/MM/yyyy"_qs);
        v[members::Preavviso] = QStringLiteral("15");
        v[members::Titoli] = i % 17 == 5 ? QStringLiteral("da definire") : i % 3 ? u"25"_qs : u"30,50"_qs;
        v[members::Email] = QStringLiteral("socio.cognomelungo%1@esempio.it").arg(i + 1);
        v[members::Annullata] = QStringLiteral("No");
        rows.push_back(v);
    }
    members.appendAll(rows);
}

void settle() {
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QThread::msleep(30);
    }
}

bool shoot(const QString& path) {
    settle();
    return QGuiApplication::primaryScreen()->grabWindow(0).save(path);
}

// Without a window manager nothing maximises: the window takes the available area itself.
void showFull(QWidget* w) {
    w->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setUpApplication(app);
    if (argc < 2) return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString prefix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QTemporaryDir folder;
    addSamples(folder.path());

    platform::QtPlatform desktop;
    platform::WindowSet windows;
    platform::Context ctx{folder.path(), desktop, windows};
    createWindows(ctx);
    bool ok = true;

    QWidget* menu = windows.find(QStringLiteral("TfrmAvvio"));
    showFull(menu);
    ok &= shoot(out + u'/' + prefix + u"menu.png"_qs);
    menu->hide();

    QWidget* member = windows.find(QStringLiteral("TfrmAnagrafica"));
    showFull(member);
    member->findChild<QToolButton*>(QStringLiteral("cmdPrimo"))->click();
    ok &= shoot(out + u'/' + prefix + u"anagrafica.png"_qs);
    member->hide();

    QWidget* balance = windows.find(QStringLiteral("TfrmMenuBilancio"));
    showFull(balance);
    balance->findChild<QLineEdit*>(QStringLiteral("txtAnno"))->setText(QStringLiteral("2026"));
    // The whole year: from the first day of the first month to the last of the last.
    const std::pair<const char*, int> interval[] = {
        {"txtGiornoInizio", 0}, {"txtMeseInizio", 0}, {"txtGiornoFine", 30}, {"txtMeseFine", 11}};
    for (const auto& [box, index] : interval)
        balance->findChild<QComboBox*>(QLatin1String(box))->setCurrentIndex(index);
    // The result opens modally: its picture is taken while it is up, then it is closed.
    QTimer::singleShot(400, [&] {
        ok &= shoot(out + u'/' + prefix + u"bilancio.png"_qs);
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
    });
    balance->findChild<QPushButton*>(QStringLiteral("btnVisualizza"))->click();

    QTemporaryDir dueFolder;
    addDueMembers(dueFolder.path());
    platform::Context dueCtx{dueFolder.path(), desktop, windows};
    QTimer::singleShot(400, [&] {
        ok &= shoot(out + u'/' + prefix + u"rinnovo.png"_qs);
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
    });
    cashbook::renewDue(dueCtx, nullptr);
    qDeleteAll(windows.all());
    return ok ? 0 : 1;
}
