#pragma once

#include "deadline_fixture.h"
#include "deadlines/frm_scadenzario.h"
#include "fake_platform.h"
#include "files.h"
#include "qt_print.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

namespace deadline_tests {

using testing_support::child;
using testing_support::fileBytes;

// A deadline with its own reason, payer and amount on top of the fixture's record.
inline QStringList sheet(const QString& data, const QString& dettagli,
                         const QString& pagatore = QStringLiteral("Rossi Anna"),
                         const QString& ore = QStringLiteral("09"),
                         const QString& minuti = QStringLiteral("30")) {
    QStringList v = deadline(data, QStringLiteral("5"), ore, minuti);
    v[deadlines::Dettagli] = dettagli;
    v[deadlines::Pagatore] = pagatore;
    v[deadlines::Costo] = QStringLiteral("12,50");
    return v;
}

// The deadline window shown on the fake desktop (today 15/03/2026), with records of 2026.
struct DeadlineWindow {
    testing_support::Harness h;
    deadlines::TfrmScadenzario w{h.ctx};

    DeadlineWindow() {
        h.windows.add(&w);
        w.show();
    }
    void add(const QStringList& values, int year = 2026) {
        ASSERT_TRUE(yearArchive(h.ctx.folder, year).save(0, values));
    }
    void open(const char* year = "2026") {
        child<QLineEdit>(&w, QStringLiteral("txtAnno"))->setText(QLatin1String(year));
        child<QPushButton>(&w, QStringLiteral("btnApri"))->click();
    }
    void click(const char* name) { child<QAbstractButton>(&w, QLatin1String(name))->click(); }
    QString text(const char* name) const {
        QWidget* c = child<QWidget>(const_cast<deadlines::TfrmScadenzario*>(&w), name);
        if (auto* l = qobject_cast<QLabel*>(c)) return l->text();
        if (auto* e = qobject_cast<QLineEdit*>(c)) return e->text();
        return {};
    }
    // What to do with the next modal dialogs; each returns the dialog's result.
    void onDialog(const std::function<void(QDialog&)>& act) {
        h.fake.onModal = [act](QDialog& d) {
            act(d);
            return d.result();
        };
    }
    // Makes the year file unreadable: a folder in its place.
    void breakYearFile(int year = 2026) {
        const QString path = h.path(deadlines::yearFileName(year));
        QFile::remove(path);
        ASSERT_TRUE(QDir(h.ctx.folder).mkdir(deadlines::yearFileName(year)));
    }
};

} // namespace deadline_tests
