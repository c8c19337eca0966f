#pragma once

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

public slots:
    void openYear();
    void help();

    // The lists of the start panel.
    void imminentList();
    void dayList();
    void monthList();

protected:
    void showEvent(QShowEvent* event) override;
    void onClose() override;

private:
    void buildStartPanel();
    void buildRecordPanel();
    void showStartPanel();
    void runAlert();

    QWidget* panAvvio_ = nullptr;
    QWidget* panContainer_ = nullptr;
    QLineEdit* txtAnno_ = nullptr;
    QLabel* imgPresenti_ = nullptr;
    QLabel* imgAssenti_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QCalendarWidget* calAppuntamenti_ = nullptr;
    QLabel* lblFile_ = nullptr;
    QLabel* lblAnno_ = nullptr;
    bool soundLoaded_ = false;
};

} // namespace deadlines
