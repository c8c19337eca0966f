#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

namespace members {

// " Fai clic sulla foto per chiudere questa finestra": the member's photo as large as the
// screen allows, on a steel-blue to white background; a click closes it.
class TfrmZoom : public QDialog {
    Q_OBJECT
public:
    explicit TfrmZoom(const QImage& photo, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitToScreen();

    QImage photo_;
    QWidget* panContainer_;
    QLabel* imgFoto_;
};

} // namespace members
