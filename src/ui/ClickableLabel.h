#pragma once
// A label that reports clicks, for the labels the user clicks to choose a mode.
#include <QLabel>

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
