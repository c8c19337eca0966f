#pragma once

#include "core/archive.h"
#include "platform/record_form.h"
#include "platform/ui.h"

#include <QDate>

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;

namespace deadlines {

// The payment deadlines work area. The start panel opens a year and announces the imminent
// deadlines; the record panel edits the deadlines of the opened year one sheet at a time.
class TfrmScadenzario : public platform::WorkArea {
    Q_OBJECT
public:
    explicit TfrmScadenzario(platform::Context& ctx);

    platform::Context& context() { return ctx_; }

    // What the deadline lists, summaries and search read.
    QString yearFile() const;   // lblFile: the opened year's file
    QString year() const;       // lblAnno
    QDate selectedDate() const; // calAppuntamenti

    // The opened year's file.
    core::Archive archive() const;
    // Shows record `number` of the opened year, as navigation does (the summaries and the
    // search call it). The access message and no change when it cannot be read.
    bool loadRecord(qint64 number);
    // The 25 field texts as they would be stored, and the record number shown (0: new sheet).
    QStringList values() const;
    qint64 position() const;

public slots:
    // Start panel.
    void openYear();
    void help();
    void imminentList();
    void dayList();
    void monthList();

    // Record panel.
    void newSheet();
    void duplicate();
    void save();
    void first();
    void previous();
    void next();
    void last();
    void importPayer();
    void checkCodFisc();
    void normaliseCosto();

    // Commands whose windows come with the summaries, lists, search and sheet print.
    void find();
    void preview();
    void print();
    void exportExcel();
    void toConfirm();
    void toPay();
    void paid();

protected:
    void showEvent(QShowEvent* event) override;
    void onClose() override;

private:
    void buildStartPanel();
    void buildRecordPanel();
    void buildRecordFields();
    void showStartPanel();
    void runAlert();

    platform::RecordForm form_;
    QWidget* panAvvio_ = nullptr;
    QWidget* panContainer_ = nullptr;
    QLineEdit* txtAnno_ = nullptr;
    QLabel* imgPresenti_ = nullptr;
    QLabel* imgAssenti_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QCalendarWidget* calAppuntamenti_ = nullptr;
    QLabel* lblFile_ = nullptr;
    QLabel* lblAnno_ = nullptr;
    QLabel* lblData_ = nullptr;
    QLabel* lblOra_ = nullptr;
    QLabel* lblPosizione_ = nullptr;
    QLabel* panInfo_ = nullptr;
    QLineEdit* txtCosto_ = nullptr;
    QString openedYear_;
    bool soundLoaded_ = false;
};

} // namespace deadlines
