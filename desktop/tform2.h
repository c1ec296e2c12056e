#pragma once

#include <QDialog>

// "O programie": the About box. It only shows; the OK button closes it.
class Tform2 : public QDialog {
    Q_OBJECT
  public:
    explicit Tform2(QWidget* owner = nullptr);
};
