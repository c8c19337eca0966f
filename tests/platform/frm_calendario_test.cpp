#include "fake_platform.h"
#include "keys.h"
#include "platform/frm_calendario.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using testing_support::child;
using testing_support::press;

constexpr platform::DateTarget kTargets[] = {{"dataril", "txtDataRil"},
                                             {"datascade", "txtDataScade"}};

// An opener window with the two date fields of the member window.
struct Opener {
    testing_support::Harness h;
    QWidget window;
    QLineEdit* issued = new QLineEdit(&window);
    QLineEdit* expires = new QLineEdit(&window);
    Opener() {
        issued->setObjectName(QStringLiteral("txtDataRil"));
        expires->setObjectName(QStringLiteral("txtDataScade"));
        issued->setText(QStringLiteral("01/01/2020"));
    }
    // Scripts the picker: what it showed on opening, then picks `day` and presses `button`.
    QDate shownMonth, shownDay;
    QString shownMode;
    void script(QDate day, const char* button) {
        h.fake.onModal = [this, day, button](QDialog& d) {
            auto* cal = child<QCalendarWidget>(&d, QStringLiteral("calAppuntamenti"));
            shownDay = cal->selectedDate();
            shownMonth = QDate(cal->yearShown(), cal->monthShown(), 1);
            shownMode = child<QLabel>(&d, QStringLiteral("lblMemory"))->text();
            EXPECT_FALSE(child<QLabel>(&d, QStringLiteral("lblMemory"))->isVisibleTo(&d));
            cal->setSelectedDate(day);
            child<QPushButton>(&d, QLatin1String(button))->click();
            return d.result();
        };
    }
};

TEST(DatePicker, ImportWritesTheChosenDayIntoTheModesControl) {
    Opener o;
    o.script(QDate(2025, 3, 5), "btnImportaData");
    const auto picked = platform::pickDate(o.h.ctx, &o.window, QStringLiteral("dataril"), kTargets);
    EXPECT_EQ(picked, QDate(2025, 3, 5));
    EXPECT_EQ(o.issued->text(), QStringLiteral("05/03/2025"));
    EXPECT_EQ(o.expires->text(), QString());
    // It opened on today, whatever the field held.
    EXPECT_EQ(o.shownDay, o.h.fake.todayValue);
    EXPECT_EQ(o.shownMonth, QDate(2026, 3, 1));
    EXPECT_EQ(o.shownMode, QStringLiteral("dataril"));
    EXPECT_EQ(o.h.fake.modalDialogs, QStringList{QStringLiteral("TfrmCalendario")});

    platform::pickDate(o.h.ctx, &o.window, QStringLiteral("datascade"), kTargets);
    EXPECT_EQ(o.expires->text(), QStringLiteral("05/03/2025"));
}

TEST(DatePicker, CancelAndUnknownModeChangeNothing) {
    Opener o;
    o.script(QDate(2025, 3, 5), "btnAnnulla");
    EXPECT_FALSE(platform::pickDate(o.h.ctx, &o.window, QStringLiteral("dataril"), kTargets));
    EXPECT_EQ(o.issued->text(), QStringLiteral("01/01/2020"));

    // An unknown mode: "Importa" leaves the picker open and writes nothing.
    bool accepted = false;
    o.h.fake.onModal = [&](QDialog& d) {
        QObject::connect(&d, &QDialog::accepted, [&] { accepted = true; });
        child<QPushButton>(&d, QStringLiteral("btnImportaData"))->click();
        return d.result();
    };
    EXPECT_FALSE(platform::pickDate(o.h.ctx, &o.window, QStringLiteral("datanasc_a"), kTargets));
    EXPECT_FALSE(accepted);
    EXPECT_EQ(o.issued->text(), QStringLiteral("01/01/2020"));
}

TEST(DatePicker, WindowShape) {
    testing_support::Harness h;
    platform::TfrmCalendario picker(h.ctx, nullptr, kTargets);
    EXPECT_EQ(picker.objectName(), QStringLiteral("TfrmCalendario"));
    EXPECT_EQ(picker.windowTitle(), QStringLiteral(" Importazione data"));
    EXPECT_EQ(picker.size(), QSize(253, 294));
    EXPECT_EQ(picker.minimumSize(), picker.maximumSize());
}

TEST(PickerDateField, BackspaceAndDeleteEmptyAnyOtherKeyOpensThePicker) {
    QLineEdit field;
    field.setText(QStringLiteral("01/01/2020"));
    int opened = 0;
    platform::makePickerDateField(&field, [&] { ++opened; });
    EXPECT_TRUE(field.isReadOnly());
    press(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), QString());
    EXPECT_EQ(opened, 0);
    field.setText(QStringLiteral("01/01/2020"));
    press(&field, Qt::Key_Delete);
    EXPECT_EQ(field.text(), QString());
    press(&field, Qt::Key_Shift); // a modifier alone is not a key yet
    EXPECT_EQ(opened, 0);
    for (int key :
         {int(Qt::Key_A), int(Qt::Key_5), int(Qt::Key_Return), int(Qt::Key_Tab), int(Qt::Key_Left)})
        press(&field, key, key == Qt::Key_A ? QStringLiteral("a") : QString());
    EXPECT_EQ(opened, 5);
    EXPECT_EQ(field.text(), QString());
}

} // namespace
